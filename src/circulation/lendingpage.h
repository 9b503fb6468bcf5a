#pragma once

#include "circulation/circulation.h"

#include <QWidget>

#include <memory>

namespace Ui {
class LendingPage;
}

namespace songtao {

struct PageServices;
class ProgressiveTable;

// "借书还书": lending, returning and the loans of one reader.
class LendingPage final : public QWidget, private CirculationView
{
    Q_OBJECT
public:
    explicit LendingPage(PageServices &services, QWidget *parent = nullptr);
    ~LendingPage() override;

private:
    void query();
    void lend();
    void returnBook();
    void focus(CirculationFocus where);

    void showAvailability(const QString &text) override;
    void showBorrower(const QString &text) override;
    void showLoans(const QString &readerText, const QList<LoanRow> &rows) override;

    std::unique_ptr<Ui::LendingPage> m_ui;
    std::unique_ptr<ProgressiveTable> m_loans;
    Circulation m_circulation;
};

} // namespace songtao
