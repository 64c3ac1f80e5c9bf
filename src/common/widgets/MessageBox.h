#pragma once
// The message boxes of the pages: fixed texts, OK for information, OK/Cancel for questions.
// Pages call the static functions; the real dialog shows them unless a test has installed a
// scripted service (ScriptedMessageBox). GUI thread only.

#include <QString>

enum class MessageIcon { None, Information };

class MessageBox {
public:
    virtual ~MessageBox() = default;

    static void info(const QString& text, MessageIcon icon = MessageIcon::None);
    // OK/Cancel with the question icon, Cancel the default; true for OK.
    static bool question(const QString& text);

    // Makes `replacement` the one that shows messages and returns the one it replaces;
    // nullptr brings back the real dialog.
    static MessageBox* install(MessageBox* replacement);

protected:
    virtual void showInfo(const QString& text, MessageIcon icon) = 0;
    virtual bool askQuestion(const QString& text) = 0;
};
