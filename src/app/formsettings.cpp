#include "app/formsettings.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;

namespace songtao {

void applyFormSettings(QWidget *root)
{
    const auto tables = root->findChildren<QTableWidget *>();
    for (QTableWidget *table : tables) {
        const QStringList widths =
            table->property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
        for (qsizetype column = 0; column < widths.size(); ++column)
            table->setColumnWidth(static_cast<int>(column), widths[column].toInt());
    }

    const auto edits = root->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        // Digits only, as an edit box in number mode takes them: no sign.
        if (edit->property("integerOnly").toBool())
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), edit));
    }

    const auto spinBoxes = root->findChildren<QSpinBox *>();
    for (QSpinBox *spinBox : spinBoxes) {
        if (!spinBox->property("spinnerOnly").toBool())
            continue;
        if (auto *edit = spinBox->findChild<QLineEdit *>())
            edit->setReadOnly(true);
    }
}

} // namespace songtao
