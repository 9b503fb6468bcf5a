#pragma once

#include <QString>

namespace songtao {

enum class MessageIcon { None, Information, Warning, Error };
enum class FileChoiceMode { Open, Save };

// Every modal box and file choice goes through here, so that operations and
// pages can be driven by tests with scripted answers.
class Dialogs
{
public:
    Dialogs() = default;
    Dialogs(const Dialogs &) = delete;
    Dialogs &operator=(const Dialogs &) = delete;
    virtual ~Dialogs() = default;

    // A notice with one OK button.
    virtual void notify(const QString &text, const QString &title,
                        MessageIcon icon = MessageIcon::None) = 0;

    // OK and Cancel; true only for OK (closing the box counts as Cancel).
    virtual bool confirm(const QString &text, const QString &title) = 0;

    // The chosen file's path, or the empty text when the choice was cancelled.
    // Open mode accepts only existing files; save mode asks before replacing.
    virtual QString chooseFile(FileChoiceMode mode, const QString &initialFolder) = 0;
};

// Titles the application uses for its boxes.
inline const QString kNoticeTitle = QStringLiteral("提示");
inline const QString kWarningTitle = QStringLiteral("警告");
inline const QString kUntitledTitle = QStringLiteral("信息：");

} // namespace songtao
