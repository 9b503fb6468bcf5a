#pragma once

#include "app/appstate.h"
#include "app/pageservices.h"
#include "app/passwordfile.h"
#include "app/passwordtransform.h"
#include "app/verificationcode.h"
#include "common/clock.h"
#include "common/programend.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace songtao::test {

// Gives every range's values in turn, so that each drawing differs from the
// one before and a test knows what it gets.
class CountingRandom final : public RandomSource
{
public:
    void reseed() override { }
    int between(int low, int high) override { return low + (m_next++ % (high - low + 1)); }

private:
    int m_next = 0;
};

// What the windows and pages run with: a fresh folder for the database and
// the password file, scripted boxes, a set clock, and a program end that
// is counted instead of ending the test.
class UiFixture : public testing::Test
{
protected:
    UiFixture()
    {
        m_previousEnd = setProgramEndHandler([this] { ++programEnds; });
    }
    ~UiFixture() override { setProgramEndHandler(std::move(m_previousEnd)); }

    void storePassword(const QString &password)
    {
        ASSERT_TRUE(passwordFile.write(storedPasswordText(password)));
    }

    TempFolder folder;
    AppState state;
    ScriptedDialogs dialogs;
    ManualClock clock{QDateTime(QDate(2016, 3, 21), QTime(15, 40, 6))};
    PasswordFile passwordFile{folder.file(QStringLiteral("stzy.ini"))};
    CountingRandom random;
    PageServices services{state, dialogs, clock, passwordFile};
    int programEnds = 0;

private:
    ProgramEndHandler m_previousEnd;
};

} // namespace songtao::test
