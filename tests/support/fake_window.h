// A scripted stand-in for the window system: records every message box and
// status text in order, answers boxes as the test says, and serves field texts.
#pragma once

#include "window_ops.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

struct WindowEvent {
    enum Kind { Box, Status } kind;
    WindowHandle owner = nullptr;   // boxes only
    std::string text;
    std::string caption;            // boxes only
    unsigned flags = 0;             // boxes only

    bool operator==(const WindowEvent& other) const;
};

// Printable ASCII as it is, every other byte as \xNN.
std::string EscapeBytes(const std::string& bytes);

// Readable form for test failure messages (Shift-JIS bytes shown as escapes).
std::string Describe(const WindowEvent& event);
std::string Describe(const std::vector<WindowEvent>& events);

WindowEvent BoxEvent(WindowHandle owner, const std::string& text, const std::string& caption, unsigned flags);
WindowEvent StatusEvent(const std::string& text);

struct FakeWindow {
    std::vector<WindowEvent> events;
    std::map<int, std::string> fields;  // control id -> text (cut to 255 bytes when read)
    std::deque<int> answers;            // next box answers; OK (1) when empty
    int fieldReads = 0;

    std::vector<WindowEvent> Boxes() const;
    std::string LastStatus() const;     // empty when none was set
};

// The fake in use; reset by ResetFakeWindow(), e.g. in a fixture's SetUp.
FakeWindow& Fake();
void ResetFakeWindow();
