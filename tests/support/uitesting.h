#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace songtao::test {

// The control named `name` under `root`; fails the test when it is missing
// or of another class.
template<typename T> T *control(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

} // namespace songtao::test
