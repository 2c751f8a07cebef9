#include "floor_copy.h"

#include "lead_bytes.h"
#include "text_lines.h"
#include "tree_walk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string NativePath(const std::string& path)
{
    std::string native = path;
    for (size_t i = 0; i < native.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(native[i]);
        if (IsLeadByte(c))
            ++i;
        else if (c == '\\')
            native[i] = '/';
    }
    return native;
}

std::string EnginePath(const std::string& path)
{
    std::string engine = path;
    for (char& c : engine)
        if (c == '/')
            c = '\\';
    return engine;
}

std::vector<CopyStep> PlanCopy(const std::string& treePath, const std::string& destFolder)
{
    std::vector<CopyStep> steps;
    TextLineReader tree;
    if (!tree.Open(treePath))
        return steps;
    const std::string listFolder = GetParentFolder(treePath);
    std::vector<std::string> levels{destFolder};
    std::string line, name;
    while (tree.ReadLine(line)) {
        if (!line.empty())
            line.pop_back();
        int depth = ParseTreeLine(line, name);
        if (depth < 0)
            continue;
        if (depth == 0)
            depth = 1;
        if (levels.size() <= static_cast<size_t>(depth))
            levels.resize(depth + 1);
        levels[depth] = name;
        std::string folder = levels[0];
        for (int d = 1; d <= depth; ++d)
            folder.append("\\").append(levels[d]);
        steps.push_back(CopyStep{NativePath(folder), NativePath(listFolder + "\\" + name + ".wls"), true});
    }
    // The root items, when the collection has them.
    const std::string rootList = NativePath(listFolder + "\\Internet.WLS");
    if (access(rootList.c_str(), F_OK) == 0)
        steps.push_back(CopyStep{NativePath(destFolder), rootList, false});
    return steps;
}

namespace {

// One open file descriptor, closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool Close() { int fd = fd_; fd_ = -1; return close(fd) == 0; }

private:
    int fd_;
};

bool ReadWhole(const std::string& path, std::string& bytes)
{
    Descriptor in(open(path.c_str(), O_RDONLY));
    struct stat info;
    if (in.get() < 0 || fstat(in.get(), &info) != 0)
        return false;
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = read(in.get(), &bytes[got], bytes.size() - got);
        if (n <= 0)
            return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    Descriptor out(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666));
    if (out.get() < 0)
        return false;
    size_t put = 0;
    while (put < bytes.size()) {
        ssize_t n = write(out.get(), bytes.data() + put, bytes.size() - put);
        if (n <= 0)
            return false;
        put += static_cast<size_t>(n);
    }
    return out.Close();
}

}  // namespace

bool RunCopy(const std::vector<CopyStep>& steps)
{
    std::string bytes;
    for (const CopyStep& step : steps) {
        if (step.createFolder)
            mkdir(step.folder.c_str(), 0777);
        if (!ReadWhole(step.list, bytes))
            return false;
        if (!WriteWhole(step.folder + "/Item.dat", bytes))
            return false;
    }
    return true;
}
