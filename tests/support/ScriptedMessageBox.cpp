#include "ScriptedMessageBox.h"

#include <QCoreApplication>
#include <QThread>

namespace {

bool onGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

} // namespace

ScriptedMessageBox::ScriptedMessageBox()
    : m_previous(MessageBox::install(this))
{
}

ScriptedMessageBox::~ScriptedMessageBox()
{
    MessageBox::install(m_previous);
}

void ScriptedMessageBox::answerQuestions(std::initializer_list<bool> answers)
{
    std::lock_guard lock(m_mutex);
    m_answers.insert(m_answers.end(), answers);
}

void ScriptedMessageBox::setDefaultAnswer(bool ok)
{
    std::lock_guard lock(m_mutex);
    m_defaultAnswer = ok;
}

std::vector<ScriptedMessageBox::Shown> ScriptedMessageBox::shown() const
{
    std::lock_guard lock(m_mutex);
    return m_shown;
}

QStringList ScriptedMessageBox::texts() const
{
    std::lock_guard lock(m_mutex);
    QStringList texts;
    for (const Shown& entry : m_shown)
        texts << entry.text;
    return texts;
}

void ScriptedMessageBox::clear()
{
    std::lock_guard lock(m_mutex);
    m_shown.clear();
}

void ScriptedMessageBox::showInfo(const QString& text, MessageIcon icon)
{
    record({Kind::Info, text, icon, true, onGuiThread()});
}

void ScriptedMessageBox::setWhileAsked(std::function<void()> whileAsked)
{
    m_whileAsked = std::move(whileAsked);
}

bool ScriptedMessageBox::askQuestion(const QString& text)
{
    if (m_whileAsked)
        m_whileAsked();
    bool answer = false;
    {
        std::lock_guard lock(m_mutex);
        answer = m_defaultAnswer;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
    }
    record({Kind::Question, text, MessageIcon::None, answer, onGuiThread()});
    return answer;
}

void ScriptedMessageBox::record(Shown entry)
{
    std::lock_guard lock(m_mutex);
    m_shown.push_back(std::move(entry));
}
