// The program's numbered message table and the one routine through which
// every message is shown or every question asked.
//
// The core never talks to a screen: showMessage formats the text and hands it
// to the installed answerer. The Qt program installs a message-box answerer at
// start-up; tests install one that records what was asked and answers as told;
// without any, a message is written to stderr and the default button answers.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace trop {

enum class MessageStyle {
    Error,       // stop icon, OK
    Notice,      // information icon, OK
    Question,    // question icon, Yes and No, No is the default
    QuestionYes, // question icon, Yes and No, Yes is the default
    QuestionCancel, // question icon, Yes, No and Cancel, Yes is the default
};

enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageDefinition {
    int id;
    const char* text; // UTF-8, with %1 and %2 placeholders
    MessageStyle style;
};

struct MessageRequest {
    int id = 0;          // 0 for an already formatted text
    std::string text;    // the formatted text, UTF-8
    MessageStyle style = MessageStyle::Notice;
    std::string arg1, arg2;
};

using MessageAnswerer = std::function<MessageAnswer(const MessageRequest&)>;

inline constexpr const char* kMessageCaption = "Trop";

// The definition of a message, or nullptr for an id the table lacks.
const MessageDefinition* findMessage(int id);

// The text of message id with %1 and %2 replaced by the arguments.
std::string formatMessage(int id, std::string_view arg1 = {}, std::string_view arg2 = {});

// Installs the answerer and returns the one it replaces.
MessageAnswerer setMessageAnswerer(MessageAnswerer answerer);

// Shows message id in its table style and returns the button pressed.
MessageAnswer showMessage(int id, std::string_view arg1 = {}, std::string_view arg2 = {});
MessageAnswer showMessage(int id, int arg1, std::string_view arg2 = {});

// Shows a text that is already formatted.
MessageAnswer showMessageText(std::string text, MessageStyle style);

// The answer of the default button of a style (what Enter would give).
MessageAnswer defaultAnswer(MessageStyle style);

} // namespace trop
