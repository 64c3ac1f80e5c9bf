#pragma once
// For tests: stands in for the message boxes while it lives. Records every box a page shows
// and answers questions from a script (Cancel, the default button, when the script is empty).
//
//     ScriptedMessageBox boxes;
//     boxes.answerQuestions({true});          // OK to the first question
//     ... drive the page ...
//     EXPECT_EQ(boxes.texts(), QStringList{"Invalid Portlist"});

#include "MessageBox.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <vector>

class ScriptedMessageBox final : public MessageBox {
public:
    enum class Kind { Info, Question };
    struct Shown {
        Kind kind = Kind::Info;
        QString text;
        MessageIcon icon = MessageIcon::None; // Info only
        bool answer = true;                   // what a question was answered (OK = true)
        bool onGuiThread = true;              // false: shown from a callback thread, a fault
    };

    ScriptedMessageBox();
    ~ScriptedMessageBox() override;
    ScriptedMessageBox(const ScriptedMessageBox&) = delete;
    ScriptedMessageBox& operator=(const ScriptedMessageBox&) = delete;

    // Answers for the coming questions, in order.
    void answerQuestions(std::initializer_list<bool> answers);
    // The answer once the script has run out (false = Cancel unless set).
    void setDefaultAnswer(bool ok);
    // Runs while a question is open, before it is answered: what a modal box lets happen
    // meanwhile (late answers arriving, timers firing).
    void setWhileAsked(std::function<void()> whileAsked);

    std::vector<Shown> shown() const;
    QStringList texts() const;
    void clear();

protected:
    void showInfo(const QString& text, MessageIcon icon) override;
    bool askQuestion(const QString& text) override;

private:
    void record(Shown entry);

    MessageBox* m_previous = nullptr;
    mutable std::mutex m_mutex;
    std::deque<bool> m_answers;
    bool m_defaultAnswer = false;
    std::function<void()> m_whileAsked;
    std::vector<Shown> m_shown;
};
