#include "bench_host.h"

#include "window_ops.h"

namespace {
int boxes = 0;
std::string firstBox;
}  // namespace

int BoxesShown()
{
    return boxes;
}

const std::string& FirstBoxText()
{
    return firstBox;
}

int ShowMessageBox(WindowHandle, const std::string& text, const std::string&, unsigned)
{
    if (boxes++ == 0)
        firstBox = text;
    return kAnswerOk;
}

std::string ReadFieldText(WindowHandle, int)
{
    return "";
}

void SetStatusText(const std::string&)
{
}
