#include "fuzz_support.h"

#include "window_ops.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

int boxes = 0;
std::string lastBox;

void RemoveScratch();

std::string MakeScratch()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/ruzoziv-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        FailCheck("mkdtemp", __FILE__, __LINE__);
    std::atexit(RemoveScratch);
    return pattern;
}

void RemoveScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

}  // namespace

const std::string& ScratchFolder()
{
    // Never destroyed: the exit handler that removes the folder needs it.
    static const std::string* folder = new std::string(MakeScratch());
    return *folder;
}

bool WriteBytes(const std::string& nativePath, std::string_view bytes)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath.c_str(), "wb"), std::fclose);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
           std::fclose(file.release()) == 0;
}

std::string ReadBytes(const std::string& nativePath)
{
    std::string bytes;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath.c_str(), "rb"), std::fclose);
    if (!file)
        return bytes;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, got);
    return bytes;
}

std::string EnginePath(const std::string& nativePath)
{
    std::string path = nativePath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

int TakeBoxCount()
{
    int count = boxes;
    boxes = 0;
    return count;
}

const std::string& LastBoxText()
{
    return lastBox;
}

void FailCheck(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

int ShowMessageBox(WindowHandle, const std::string& text, const std::string&, unsigned)
{
    ++boxes;
    lastBox = text;
    return kAnswerOk;
}

std::string ReadFieldText(WindowHandle, int)
{
    return "";
}

void SetStatusText(const std::string&)
{
}
