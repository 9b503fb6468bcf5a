#pragma once

#include "common/dialogs.h"

namespace songtao::bench {

// Boxes for measured runs: every question is answered yes, every file
// choice gets `file`, and the last notice is kept so a case can check how
// its operation ended.
class BenchDialogs final : public Dialogs
{
public:
    void notify(const QString &text, const QString &, MessageIcon) override
    {
        lastNotice = text;
        ++notices;
    }
    bool confirm(const QString &, const QString &) override { return true; }
    QString chooseFile(FileChoiceMode, const QString &) override { return file; }

    QString file;
    QString lastNotice;
    int notices = 0;
};

} // namespace songtao::bench
