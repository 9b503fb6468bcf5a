#include "app/appstate.h"
#include "app/loginwindow.h"
#include "app/mainwindow.h"
#include "app/pageservices.h"
#include "app/passwordfile.h"
#include "app/tabcontrol.h"
#include "app/verificationcode.h"
#include "common/clock.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"
#include "support/uitesting.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

enum class Kind {
    PictureBox,
    TransparentLabel,
    Label,
    EditBox,
    PictureButton,
    Button,
    Canvas,
    GroupBox,
    ListBox,
    ListView,
    ComboBox,
    SpinnerEdit,
    Tabs,
};

enum Setting : unsigned {
    Plain = 0,
    ReadOnly = 1,
    Password = 2,
    Disabled = 4,
    IntegerOnly = 8,
    Hidden = 16,
};

struct Control
{
    QString parent; // the window, page or group box it sits in
    QString name;
    Kind kind;
    QRect geometry;
    QString text;
    unsigned settings = Plain;
};

const QString kLogin = u"LoginWindow"_s;
const QString kMain = u"MainWindow"_s;

// The layout tables of both windows, as designed.
const QList<Control> &controls()
{
    // One control per line, as the layout tables list them.
    // clang-format off
    static const QList<Control> list = {
        {kLogin, u"图片框_图标"_s, Kind::PictureBox, {2, 2, 32, 32}, {}},
        {kLogin, u"透明标签4"_s, Kind::TransparentLabel, {38, 2, 210, 32},
         u"松涛竹韵图书管理系统 - 登录"_s},
        {kLogin, u"图形按钮_最小化"_s, Kind::PictureButton, {281, 2, 25, 16}, {}},
        {kLogin, u"图片框1"_s, Kind::PictureBox, {308, 2, 24, 16}, {}},
        {kLogin, u"图形按钮_关闭"_s, Kind::PictureButton, {334, 2, 44, 16}, {}},
        {kLogin, u"透明标签1"_s, Kind::TransparentLabel, {12, 52, 48, 32}, u"用户名："_s},
        {kLogin, u"编辑框name"_s, Kind::EditBox, {61, 53, 268, 30}, u"图书管理员"_s, ReadOnly},
        {kLogin, u"透明标签2"_s, Kind::TransparentLabel, {12, 99, 48, 32}, u"密  码："_s},
        {kLogin, u"编辑框pass"_s, Kind::EditBox, {61, 100, 268, 30}, {}, Password},
        {kLogin, u"透明标签3"_s, Kind::TransparentLabel, {12, 147, 48, 32}, u"验证码："_s},
        {kLogin, u"画板1"_s, Kind::Canvas, {61, 147, 108, 33}, {}},
        {kLogin, u"编辑框_验证码"_s, Kind::EditBox, {182, 147, 96, 32}, {}},
        {kLogin, u"按钮登录系统"_s, Kind::Button, {124, 194, 128, 48}, u"登录系统"_s},

        {kMain, u"图片框_图标"_s, Kind::PictureBox, {2, 2, 32, 32}, {}},
        {kMain, u"透明标签1"_s, Kind::TransparentLabel, {38, 2, 234, 32}, u"松涛竹韵图书管理系统"_s},
        {kMain, u"图形按钮_最小化"_s, Kind::PictureButton, {701, 2, 25, 16}, {}},
        {kMain, u"图形按钮_最大化"_s, Kind::PictureButton, {728, 2, 24, 16}, {}},
        {kMain, u"图形按钮_还原"_s, Kind::PictureButton, {728, 2, 24, 16}, {}, Hidden},
        {kMain, u"图形按钮_关闭"_s, Kind::PictureButton, {754, 2, 44, 16}, {}},
        {kMain, u"高级选择夹1"_s, Kind::Tabs, {1, 47, 798, 552}, {}},

        {u"PasswordPage"_s, u"透明标签2"_s, Kind::TransparentLabel, {239, 88, 48, 32}, u"用户名："_s},
        {u"PasswordPage"_s, u"编辑框_用户名_改密码"_s, Kind::EditBox, {291, 89, 216, 30},
         u"图书管理员"_s, ReadOnly},
        {u"PasswordPage"_s, u"透明标签3"_s, Kind::TransparentLabel, {239, 135, 48, 24}, u"旧密码："_s},
        {u"PasswordPage"_s, u"编辑框_旧密码"_s, Kind::EditBox, {291, 132, 216, 30}, {}, Password},
        {u"PasswordPage"_s, u"透明标签4"_s, Kind::TransparentLabel, {239, 175, 48, 32}, u"新密码："_s},
        {u"PasswordPage"_s, u"编辑框_新密码"_s, Kind::EditBox, {291, 176, 216, 30}, {}, Password},
        {u"PasswordPage"_s, u"按钮_修改登录信息"_s, Kind::Button, {335, 252, 128, 30},
         u"保存登录信息"_s},

        {u"DataPage"_s, u"按钮_备份数据库"_s, Kind::Button, {66, 46, 128, 35}, u"备份数据库"_s},
        {u"DataPage"_s, u"按钮_清空图书数据"_s, Kind::Button, {242, 46, 128, 35}, u"清空图书数据"_s},
        {u"DataPage"_s, u"按钮_清空读者数据"_s, Kind::Button, {418, 46, 128, 35}, u"清空读者数据"_s},
        {u"DataPage"_s, u"按钮_清空借出数据"_s, Kind::Button, {594, 46, 128, 35}, u"清空借出数据"_s},
        {u"DataPage"_s, u"透明标签15"_s, Kind::TransparentLabel, {347, 89, 104, 24},
         u"已备份的数据文件"_s},
        {u"DataPage"_s, u"列表框1"_s, Kind::ListBox, {3, 121, 792, 427}, {}},

        {u"BooksPage"_s, u"超级列表框示例"_s, Kind::ListView, {3, 49, 792, 128}, {}},
        {u"BooksPage"_s, u"透明标签5"_s, Kind::TransparentLabel, {213, 105, 371, 41},
         u"Excel文件中的内容参考本示例（图书编号不能为空）"_s},
        {u"BooksPage"_s, u"按钮_选择图书数据文件"_s, Kind::Button, {5, 230, 88, 32}, u"选择导入文件"_s},
        {u"BooksPage"_s, u"编辑框_图书文件路径"_s, Kind::EditBox, {100, 231, 595, 30}, {}, Disabled},
        {u"BooksPage"_s, u"按钮_导入图书"_s, Kind::Button, {704, 231, 88, 30}, u"导入"_s},
        {u"BooksPage"_s, u"超级列表框_图书文件预览"_s, Kind::ListView, {3, 265, 792, 152}, {}},
        {u"BooksPage"_s, u"透明标签6"_s, Kind::TransparentLabel, {307, 348, 184, 19},
         u"所选文件部分内容预览"_s},
        {u"BooksPage"_s, u"透明标签19"_s, Kind::TransparentLabel, {12, 472, 81, 32}, u"导出图书路径"_s},
        {u"BooksPage"_s, u"编辑框_图书数据文件名"_s, Kind::EditBox, {100, 473, 595, 30}, {}, Disabled},
        {u"BooksPage"_s, u"按钮_导出图书数据"_s, Kind::Button, {704, 473, 88, 30}, u"导出图书数据"_s},
        {u"BooksPage"_s, u"标签_图书导入状态"_s, Kind::Label, {3, 521, 792, 24}, u"状态"_s},

        {u"ReportPage"_s, u"透明标签14"_s, Kind::TransparentLabel, {8, 40, 32, 24}, u"年度"_s},
        {u"ReportPage"_s, u"编辑框1"_s, Kind::SpinnerEdit, {40, 40, 120, 24}, u"2015"_s, ReadOnly},
        {u"ReportPage"_s, u"按钮_查阅借阅报表"_s, Kind::Button, {202, 40, 78, 24}, u"查阅"_s},
        {u"ReportPage"_s, u"按钮_导出借阅报表"_s, Kind::Button, {296, 40, 78, 24}, u"导出"_s},
        {u"ReportPage"_s, u"超级列表框_借阅报表显示"_s, Kind::ListView, {3, 82, 792, 439}, {}},
        {u"ReportPage"_s, u"标签_导出借阅报表进度"_s, Kind::Label, {3, 524, 792, 24}, u"导出进度"_s},

        {u"ReadersPage"_s, u"超级列表框_显示读者信息"_s, Kind::ListView, {3, 25, 792, 296}, {}},
        {u"ReadersPage"_s, u"分组框1"_s, Kind::GroupBox, {3, 329, 792, 120},
         u"查看读者/删除读者/添加读者"_s},
        {u"ReadersPage"_s, u"按钮选择读者信息文件"_s, Kind::Button, {23, 462, 72, 24}, u"从文件导入"_s},
        {u"ReadersPage"_s, u"编辑框读者信息文件路径"_s, Kind::EditBox, {103, 462, 584, 24}, {}, Disabled},
        {u"ReadersPage"_s, u"按钮导入读者"_s, Kind::Button, {694, 462, 82, 24}, u"导入"_s},
        {u"ReadersPage"_s, u"透明标签20"_s, Kind::TransparentLabel, {23, 498, 72, 24}, u"导出路径"_s},
        {u"ReadersPage"_s, u"编辑框_读者数据文件名"_s, Kind::EditBox, {103, 498, 584, 24}, {}, Disabled},
        {u"ReadersPage"_s, u"按钮_导出读者数据"_s, Kind::Button, {694, 498, 82, 24}, u"导出读者数据"_s},
        {u"ReadersPage"_s, u"标签_读者导出状态"_s, Kind::Label, {39, 526, 720, 20}, u"状态"_s},
        {u"分组框1"_s, u"透明标签10"_s, Kind::TransparentLabel, {8, 18, 52, 24}, u"借书证号"_s},
        {u"分组框1"_s, u"编辑框_转到借书证号"_s, Kind::EditBox, {67, 18, 107, 24}, {}},
        {u"分组框1"_s, u"按钮_查看读者信息"_s, Kind::Button, {181, 18, 104, 24}, u"查看读者信息"_s},
        {u"分组框1"_s, u"按钮_删除选中的读者"_s, Kind::Button, {181, 50, 104, 24}, u"删除读者"_s},
        {u"分组框1"_s, u"透明标签_当前读者数量"_s, Kind::TransparentLabel, {8, 82, 167, 24},
         u"当前读者数量："_s},
        {u"分组框1"_s, u"按钮_刷新"_s, Kind::Button, {180, 82, 104, 24}, u"刷新"_s},
        {u"分组框1"_s, u"透明标签7"_s, Kind::TransparentLabel, {508, 18, 52, 24}, u"班别"_s},
        {u"分组框1"_s, u"编辑框_班别"_s, Kind::EditBox, {567, 18, 107, 24}, {}},
        {u"分组框1"_s, u"透明标签8"_s, Kind::TransparentLabel, {508, 50, 52, 24}, u"姓名"_s},
        {u"分组框1"_s, u"编辑框_姓名"_s, Kind::EditBox, {567, 50, 107, 24}, {}},
        {u"分组框1"_s, u"透明标签9"_s, Kind::TransparentLabel, {508, 82, 52, 24}, u"借书证号"_s},
        {u"分组框1"_s, u"编辑框_借书证号_添加"_s, Kind::EditBox, {567, 82, 107, 24}, {}},
        {u"分组框1"_s, u"按钮_添加读者"_s, Kind::Button, {687, 18, 69, 92}, u"添加"_s},

        {u"SearchPage"_s, u"组合框1"_s, Kind::ComboBox, {8, 34, 112, 30}, u"书名"_s},
        {u"SearchPage"_s, u"编辑框_要搜索的书名"_s, Kind::EditBox, {127, 34, 265, 30}, u"红楼梦"_s},
        {u"SearchPage"_s, u"按钮_搜索图书"_s, Kind::Button, {400, 34, 48, 30}, u"搜索"_s},
        {u"SearchPage"_s, u"透明标签11"_s, Kind::TransparentLabel, {463, 35, 48, 32}, u"每页行数"_s},
        {u"SearchPage"_s, u"编辑框_每页行数"_s, Kind::EditBox, {512, 34, 56, 32}, u"500"_s, IntegerOnly},
        {u"SearchPage"_s, u"按钮_上页"_s, Kind::Button, {574, 34, 40, 30}, u"上页"_s, Disabled},
        {u"SearchPage"_s, u"按钮_下页"_s, Kind::Button, {623, 34, 40, 30}, u"下页"_s, Disabled},
        {u"SearchPage"_s, u"编辑框_选中的图书编号"_s, Kind::EditBox, {680, 34, 59, 30}, {}, ReadOnly},
        {u"SearchPage"_s, u"按钮_复制图书编号"_s, Kind::Button, {744, 34, 48, 30}, u"复制"_s},
        {u"SearchPage"_s, u"超级列表框_显示图书搜索结果"_s, Kind::ListView, {3, 72, 792, 455}, {}},
        {u"SearchPage"_s, u"透明标签_显示图书搜索结果"_s, Kind::TransparentLabel, {3, 529, 792, 24},
         u"状态"_s},

        {u"LendingPage"_s, u"透明标签12"_s, Kind::TransparentLabel, {24, 38, 64, 32}, u"借书证号："_s},
        {u"LendingPage"_s, u"编辑框_借书证号_借书还书"_s, Kind::EditBox, {85, 38, 190, 30},
         u"201409001"_s},
        {u"LendingPage"_s, u"按钮_查询借书情况"_s, Kind::Button, {280, 38, 104, 30}, u"查询"_s},
        {u"LendingPage"_s, u"透明标签13"_s, Kind::TransparentLabel, {435, 38, 56, 32}, u"图书编号："_s},
        {u"LendingPage"_s, u"编辑框_借书编号"_s, Kind::EditBox, {495, 38, 141, 30}, u"A00001"_s},
        {u"LendingPage"_s, u"按钮_借书"_s, Kind::Button, {649, 37, 95, 32}, u"借书"_s},
        {u"LendingPage"_s, u"分组框_读者信息"_s, Kind::GroupBox, {21, 83, 365, 80}, u"读者信息"_s},
        {u"LendingPage"_s, u"分组框_操作日志"_s, Kind::GroupBox, {435, 83, 328, 80}, u"操作日志"_s},
        {u"LendingPage"_s, u"超级列表框_显示借书情况"_s, Kind::ListView, {3, 189, 792, 323}, {}},
        {u"LendingPage"_s, u"按钮_还书"_s, Kind::Button, {331, 516, 136, 32}, u"还书"_s},
        {u"LendingPage"_s, u"透明标签18"_s, Kind::TransparentLabel, {623, 521, 168, 24}, {}},
        {u"分组框_读者信息"_s, u"透明标签_读者信息"_s, Kind::TransparentLabel, {18, 28, 328, 24}, {}},
        {u"分组框_操作日志"_s, u"透明标签_图书是否可借"_s, Kind::TransparentLabel, {4, 18, 320, 24}, {}},
        {u"分组框_操作日志"_s, u"透明标签_借阅者"_s, Kind::TransparentLabel, {8, 47, 320, 24}, {}},
    };
    // clang-format on
    return list;
}

// The columns of the list views: headings and widths.
struct ListColumns
{
    QString name;
    QStringList headings;
    QList<int> widths;
};

QStringList letters(int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QString(QChar(u'A' + i));
    return result;
}

const QList<ListColumns> &listColumns()
{
    // One control per line, as the layout tables list them.
    // clang-format off
    static const QList<ListColumns> list = {
        {u"超级列表框示例"_s, letters(16),
         {90, 60, 50, 60, 50, 195, 80, 100, 40, 40, 50, 50, 60, 60, 60, 60}},
        {u"超级列表框_图书文件预览"_s, letters(26), QList<int>(26, 90)},
        {u"超级列表框_借阅报表显示"_s,
         {u"图书编号"_s, u"书名"_s, u"借阅者（班别－姓名）"_s, u"借书日期"_s, u"还书日期"_s},
         {80, 250, 150, 100, 100}},
        {u"超级列表框_显示读者信息"_s,
         {u"序号"_s, u"班别"_s, u"姓名"_s, u"借书证号"_s, u"未还图书编号"_s},
         {50, 100, 80, 100, 500}},
        {u"超级列表框_显示图书搜索结果"_s,
         {u"序号"_s, u"书名"_s, u"著译者"_s, u"图书编号"_s, u"书架名称"_s},
         {50, 350, 90, 80, 80}},
        {u"超级列表框_显示借书情况"_s,
         {u"图书编号"_s, u"书名"_s, u"借书日期"_s, u"应还书日期"_s, u"剩余天数"_s},
         {80, 300, 100, 100, 80}},
    };
    // clang-format on
    return list;
}

bool isKind(const QWidget *widget, Kind kind)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    switch (kind) {
    case Kind::PictureBox:
        return label && !label->pixmap().isNull();
    case Kind::TransparentLabel:
        return label && label->pixmap().isNull() && !label->autoFillBackground();
    case Kind::Label:
        return label && label->autoFillBackground();
    case Kind::EditBox:
        return qobject_cast<const QLineEdit *>(widget);
    case Kind::PictureButton: {
        const auto *button = qobject_cast<const QToolButton *>(widget);
        return button && !button->icon().isNull() && button->iconSize() == widget->size();
    }
    case Kind::Button:
        return qobject_cast<const QPushButton *>(widget);
    case Kind::Canvas:
        return widget->inherits("songtao::CodeCanvas");
    case Kind::GroupBox:
        return qobject_cast<const QGroupBox *>(widget);
    case Kind::ListBox:
        return qobject_cast<const QListWidget *>(widget);
    case Kind::ListView:
        return qobject_cast<const QTableView *>(widget);
    case Kind::ComboBox: {
        const auto *combo = qobject_cast<const QComboBox *>(widget);
        return combo && !combo->isEditable();
    }
    case Kind::SpinnerEdit:
        return qobject_cast<const QSpinBox *>(widget);
    case Kind::Tabs:
        return qobject_cast<const TabControl *>(widget);
    }
    return false;
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (const auto *spin = qobject_cast<const QSpinBox *>(widget))
        return spin->text();
    return {};
}

bool isReadOnly(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->isReadOnly();
    if (const auto *spin = qobject_cast<const QSpinBox *>(widget)) {
        const auto *edit = spin->findChild<QLineEdit *>();
        return edit && edit->isReadOnly();
    }
    return false;
}

bool takesDigitsOnly(const QWidget *widget)
{
    const auto *edit = qobject_cast<const QLineEdit *>(widget);
    if (!edit || !edit->validator())
        return false;
    const auto accepts = [edit](QString text) {
        int position = 0;
        return edit->validator()->validate(text, position) == QValidator::Acceptable;
    };
    return accepts(u"0123456789"_s) && !accepts(u"-1"_s) && !accepts(u"1a"_s) && !accepts(u"+1"_s);
}

class FormLayout : public testing::Test
{
protected:
    FormLayout()
    {
        login = new LoginWindow(state, dialogs, passwordFile, random);
        main = std::make_unique<MainWindow>(services, nullptr);
    }
    ~FormLayout() override { delete login; }

    const QWidget *root(const QString &windowName) const
    {
        return windowName == kLogin ? static_cast<QWidget *>(login) : main.get();
    }

    test::TempFolder folder;
    AppState state;
    test::ScriptedDialogs dialogs;
    ManualClock clock{QDateTime(QDate(2016, 3, 21), QTime(15, 40, 6))};
    PasswordFile passwordFile{folder.file(u"stzy.ini"_s)};
    ClockSeededRandom random;
    PageServices services{state, dialogs, clock, passwordFile};
    LoginWindow *login = nullptr;
    std::unique_ptr<MainWindow> main;
};

TEST_F(FormLayout, EveryControlHasItsDesignedNameKindPlaceTextAndSettings)
{
    for (const Control &expected : controls()) {
        const QString window = expected.parent == kLogin ? kLogin : kMain;
        const auto matches = root(window)->findChildren<QWidget *>(expected.name);
        // Names repeat between the windows and the pages, never inside one parent.
        const QWidget *widget = nullptr;
        for (const QWidget *candidate : matches) {
            const QWidget *parent = candidate->parentWidget();
            if (parent->objectName() == expected.parent)
                widget = candidate;
        }
        ASSERT_NE(widget, nullptr)
            << expected.name.toStdString() << " in " << expected.parent.toStdString();
        const std::string name = expected.name.toStdString();
        EXPECT_TRUE(isKind(widget, expected.kind))
            << name << " is a " << widget->metaObject()->className();
        EXPECT_EQ(widget->geometry(), expected.geometry) << name;
        if (expected.name != u"透明标签18"_s) {
            EXPECT_EQ(textOf(widget), expected.text) << name;
        }
        EXPECT_EQ(isReadOnly(widget), bool(expected.settings & ReadOnly)) << name;
        const auto *edit = qobject_cast<const QLineEdit *>(widget);
        EXPECT_EQ(edit && edit->echoMode() == QLineEdit::Password,
                  bool(expected.settings & Password))
            << name;
        EXPECT_EQ(widget->isEnabled(), !(expected.settings & Disabled)) << name;
        EXPECT_EQ(takesDigitsOnly(widget), bool(expected.settings & IntegerOnly)) << name;
        EXPECT_EQ(widget->isHidden(), bool(expected.settings & Hidden)) << name;
    }
}

TEST_F(FormLayout, ContactLineIsShown)
{
    const auto *label = test::control<QLabel>(main.get(), u"透明标签18"_s);
    EXPECT_FALSE(label->text().isEmpty());
}

TEST_F(FormLayout, WindowsHaveTheirTitlesAndDesignPlaces)
{
    EXPECT_EQ(login->windowTitle(), u"松涛竹韵图书管理系统 － 登录"_s);
    EXPECT_EQ(login->geometry(), QRect(50, 50, 380, 250));
    EXPECT_TRUE(login->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(main->windowTitle(), u"松涛竹韵图书管理系统"_s);
    EXPECT_EQ(main->geometry(), QRect(50, 50, 800, 600));
    EXPECT_EQ(main->minimumSize(), QSize(800, 600));
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(FormLayout, TabControlHoldsTheSevenPagesInOrder)
{
    const auto *tabs = test::control<TabControl>(main.get(), u"高级选择夹1"_s);
    const QStringList expected = {u"修改密码"_s, u"数据管理"_s, u"图书管理"_s, u"开放记录"_s,
                                  u"读者管理"_s, u"搜索图书"_s, u"借书还书"_s};
    ASSERT_EQ(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), expected[i]);
        // A page covers the whole control, so its controls sit where the
        // design puts them relative to the control's corner.
        EXPECT_EQ(tabs->page(i)->geometry(), QRect(0, 0, 798, 552));
    }
}

TEST_F(FormLayout, ListViewsShowReportColumnsWithGridAndWholeRows)
{
    for (const ListColumns &expected : listColumns()) {
        const auto *list = test::control<QTableView>(main.get(), expected.name);
        ASSERT_NE(list, nullptr);
        const std::string name = expected.name.toStdString();
        const QAbstractItemModel *model = list->model();
        ASSERT_EQ(model->columnCount(), expected.headings.size()) << name;
        for (int column = 0; column < model->columnCount(); ++column) {
            EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(),
                      expected.headings[column])
                << name;
            EXPECT_EQ(list->columnWidth(column), expected.widths[column]) << name << column;
        }
        EXPECT_TRUE(list->horizontalHeader()->isVisibleTo(list)) << name;
        EXPECT_FALSE(list->verticalHeader()->isVisibleTo(list)) << name;
        EXPECT_TRUE(list->showGrid()) << name;
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows) << name;
        EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers) << name;
    }
}

TEST_F(FormLayout, SampleListShowsTheSheetLayout)
{
    const auto *sample = test::control<QTableWidget>(main.get(), u"超级列表框示例"_s);
    ASSERT_EQ(sample->rowCount(), 2);
    const QStringList columns = {u"条形码"_s, u"图书编号"_s, u"分类号"_s,   u"图书类别"_s,
                                 u"复本号"_s, u"书名"_s,     u"著译者"_s,   u"出版处"_s,
                                 u"页数"_s,   u"开本"_s,     u"版期"_s,     u"版次"_s,
                                 u"单价"_s,   u"书架名称"_s, u"入库时间"_s, u"是否借出"_s};
    for (int column = 0; column < 16; ++column)
        EXPECT_EQ(sample->item(0, column)->text(), columns[column]);
    const auto cell = [sample](int column) {
        return sample->item(1, column)->text();
    };
    EXPECT_EQ(cell(0).size(), 13);
    EXPECT_EQ(cell(1), u"A00001"_s);
    EXPECT_EQ(cell(3), u"I文学"_s);
    EXPECT_EQ(cell(8), u"169"_s);
    EXPECT_EQ(cell(12), u"15.00元"_s);
    EXPECT_EQ(cell(15), u"0"_s);
    // "A" left, the rest centred.
    EXPECT_TRUE(sample->horizontalHeaderItem(0)->textAlignment() & Qt::AlignLeft);
    EXPECT_EQ(sample->horizontalHeaderItem(5)->textAlignment(), Qt::AlignCenter);
}

TEST_F(FormLayout, DropDownAndSpinnerSettings)
{
    const auto *combo = test::control<QComboBox>(main.get(), u"组合框1"_s);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    EXPECT_EQ(items, QStringList({u"书名"_s, u"图书编号"_s, u"条形码"_s, u"全部图书"_s}));

    auto *year = test::control<QSpinBox>(main.get(), u"编辑框1"_s);
    EXPECT_EQ(year->minimum(), 2000);
    EXPECT_EQ(year->maximum(), 2100);
    year->stepUp();
    EXPECT_EQ(year->text(), u"2016"_s);
}

} // namespace
