#include "support/scripteddialogs.h"

namespace songtao::test {

void ScriptedDialogs::notify(const QString &text, const QString &title, MessageIcon icon)
{
    m_shown.append({Shown::Kind::Notice, text, title, icon, FileChoiceMode::Open});
    if (m_noticeHook)
        m_noticeHook(m_shown.constLast());
}

bool ScriptedDialogs::confirm(const QString &text, const QString &title)
{
    m_shown.append(
        {Shown::Kind::Confirmation, text, title, MessageIcon::None, FileChoiceMode::Open});
    return !m_confirmations.isEmpty() && m_confirmations.dequeue();
}

QString ScriptedDialogs::chooseFile(FileChoiceMode mode, const QString &initialFolder)
{
    m_lastInitialFolder = initialFolder;
    m_shown.append({Shown::Kind::FileChoice, {}, {}, MessageIcon::None, mode});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

void ScriptedDialogs::answerConfirmations(std::initializer_list<bool> answers)
{
    for (bool answer : answers)
        m_confirmations.enqueue(answer);
}

void ScriptedDialogs::answerFileChoices(std::initializer_list<QString> paths)
{
    for (const QString &path : paths)
        m_files.enqueue(path);
}

QStringList ScriptedDialogs::noticeTexts() const
{
    QStringList texts;
    for (const Shown &shown : m_shown) {
        if (shown.kind == Shown::Kind::Notice)
            texts << shown.text;
    }
    return texts;
}

} // namespace songtao::test
