#pragma once

#include "app/pageservices.h"
#include "app/passwordfile.h"
#include "support/libraryfixture.h"
#include "support/uitesting.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace songtao::test {

// One page on its own, over a library in a fresh folder, driven through its
// controls with scripted boxes and a set clock.
template<typename Page> class PageFixture : public LibraryFixture
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        page = std::make_unique<Page>(services);
        page->resize(798, 552);
    }

    QPushButton *button(const QString &name) const
    {
        return control<QPushButton>(page.get(), name);
    }
    QLineEdit *edit(const QString &name) const { return control<QLineEdit>(page.get(), name); }
    QLabel *label(const QString &name) const { return control<QLabel>(page.get(), name); }
    QTableView *list(const QString &name) const { return control<QTableView>(page.get(), name); }

    void type(const QString &box, const QString &text) const { edit(box)->setText(text); }
    // Clicks the button and checks that it is usable again afterwards.
    void click(const QString &name) const
    {
        QPushButton *target = button(name);
        QTest::mouseClick(target, Qt::LeftButton);
        EXPECT_TRUE(target->isEnabled()) << name.toStdString();
    }
    // Every notice shown from now on checks that `name` is disabled meanwhile.
    void expectDisabledDuringNotices(const QString &name)
    {
        QPushButton *target = button(name);
        dialogs.onNotice([target](const ScriptedDialogs::Shown &) {
            EXPECT_FALSE(target->isEnabled()) << target->objectName().toStdString();
        });
    }
    QStringList rowTexts(const QString &name, int column) const
    {
        QStringList texts;
        const QAbstractItemModel *model = list(name)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }
    void selectRow(const QString &name, int row) const
    {
        QTableView *view = list(name);
        view->setCurrentIndex(view->model()->index(row, 0));
        view->selectRow(row);
    }
    bool hasFocus(const QString &name) const
    {
        return page->focusWidget() == page->template findChild<QWidget *>(name);
    }

    PasswordFile passwordFile{folder.file(QStringLiteral("stzy.ini"))};
    PageServices services{state, dialogs, clock, passwordFile};
    std::unique_ptr<Page> page;
};

} // namespace songtao::test
