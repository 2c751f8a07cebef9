#include "fake_window.h"

#include <cstdio>

static FakeWindow fake;

FakeWindow& Fake()
{
    return fake;
}

void ResetFakeWindow()
{
    fake = FakeWindow{};
}

bool WindowEvent::operator==(const WindowEvent& other) const
{
    return kind == other.kind && owner == other.owner && text == other.text &&
           caption == other.caption && flags == other.flags;
}

std::string EscapeBytes(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string Describe(const WindowEvent& event)
{
    if (event.kind == WindowEvent::Status)
        return "status \"" + EscapeBytes(event.text) + "\"";
    char head[64];
    std::snprintf(head, sizeof head, "box owner=%p flags=0x%X ", event.owner, event.flags);
    return head + ("text \"" + EscapeBytes(event.text) + "\" caption \"" + EscapeBytes(event.caption) + "\"");
}

std::string Describe(const std::vector<WindowEvent>& events)
{
    std::string out;
    for (const WindowEvent& event : events)
        out += "  " + Describe(event) + "\n";
    return out;
}

WindowEvent BoxEvent(WindowHandle owner, const std::string& text, const std::string& caption, unsigned flags)
{
    return WindowEvent{WindowEvent::Box, owner, text, caption, flags};
}

WindowEvent StatusEvent(const std::string& text)
{
    return WindowEvent{WindowEvent::Status, nullptr, text, "", 0};
}

std::vector<WindowEvent> FakeWindow::Boxes() const
{
    std::vector<WindowEvent> boxes;
    for (const WindowEvent& event : events)
        if (event.kind == WindowEvent::Box)
            boxes.push_back(event);
    return boxes;
}

std::string FakeWindow::LastStatus() const
{
    for (auto it = events.rbegin(); it != events.rend(); ++it)
        if (it->kind == WindowEvent::Status)
            return it->text;
    return "";
}

// The engine's three window operations, answered by the fake.

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption, unsigned flags)
{
    fake.events.push_back(BoxEvent(owner, text, caption, flags));
    if (fake.answers.empty())
        return kAnswerOk;
    int answer = fake.answers.front();
    fake.answers.pop_front();
    return answer;
}

std::string ReadFieldText(WindowHandle, int controlId)
{
    ++fake.fieldReads;
    auto it = fake.fields.find(controlId);
    if (it == fake.fields.end())
        return "";
    return it->second.substr(0, 255);
}

void SetStatusText(const std::string& text)
{
    fake.events.push_back(StatusEvent(text));
}
