#pragma once

#include <QList>
#include <QString>

namespace songtao {

// One column handed to table creation.
struct FieldDefinition
{
    QString name;
    int type = 0;
    int size = 0;

    friend bool operator==(const FieldDefinition &, const FieldDefinition &) = default;
};

// The only column type the library uses: text of a declared size.
inline constexpr int kTextFieldType = 10;

using FieldDefinitions = QList<FieldDefinition>;

} // namespace songtao
