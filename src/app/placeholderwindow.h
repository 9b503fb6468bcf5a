#pragma once

#include <QWidget>

namespace songtao {

// Stands where the login window will be until it exists.
class PlaceholderWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit PlaceholderWindow(QWidget *parent = nullptr);
};

} // namespace songtao
