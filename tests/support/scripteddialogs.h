#pragma once

#include "common/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace songtao::test {

// Dialogs that answer as the test says and remember everything shown.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown
    {
        enum class Kind { Notice, Confirmation, FileChoice };
        Kind kind;
        QString text;
        QString title;
        MessageIcon icon = MessageIcon::None;
        FileChoiceMode mode = FileChoiceMode::Open;
    };

    void notify(const QString &text, const QString &title, MessageIcon icon) override;
    bool confirm(const QString &text, const QString &title) override;
    QString chooseFile(FileChoiceMode mode, const QString &initialFolder) override;

    // Answers used in order; an unscripted confirmation is cancelled and an
    // unscripted file choice gives no file.
    void answerConfirmations(std::initializer_list<bool> answers);
    void answerFileChoices(std::initializer_list<QString> paths);

    // Called while a notice is shown, as if the librarian read it then.
    void onNotice(std::function<void(const Shown &)> hook) { m_noticeHook = std::move(hook); }

    const QList<Shown> &shown() const { return m_shown; }
    // The texts of all notices, in order.
    QStringList noticeTexts() const;
    QString lastInitialFolder() const { return m_lastInitialFolder; }
    void clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    QQueue<bool> m_confirmations;
    QQueue<QString> m_files;
    QString m_lastInitialFolder;
    std::function<void(const Shown &)> m_noticeHook;
};

} // namespace songtao::test
