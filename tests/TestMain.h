#pragma once

// Every test sees all of Qt that the program uses, as the tests' precompiled header already gives it. Not
// for moc, which has no precompiled header and needs none of it.
#ifndef Q_MOC_RUN
#include <QtCore>
#include <QtDBus>
#include <QtGui>
#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>
#endif

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>

// Every test class is compiled into one executable; each registers here under its class name, and the
// runner (TestMain.cpp) runs the one its first argument names, so each still runs in a process of its own.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, TestFactory> &testRegistry()
{
    static std::map<std::string, TestFactory> registry;
    return registry;
}

#define TESSELLON_TEST(Class)                                                                                          \
    static const bool registered_##Class = [] {                                                                        \
        testRegistry()[#Class] = [] { return std::unique_ptr<QObject>(new Class); };                                   \
        return true;                                                                                                   \
    }();

// One data-table row in one call, so a row stays on one line: testRow("name", column, column, …). Text
// literals become QString, as the columns that take text are.
template <typename T>
auto testCell(const T &value)
{
    if constexpr (std::is_array_v<T> || std::is_same_v<std::decay_t<T>, const char *>)
        return QString::fromUtf8(value);
    else
        return value;
}

template <typename... Values>
void testRow(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << testCell(values));
}

// A data table's columns in one line: columns<QString, int>("text", "count").
template <typename... Types, typename... Names>
void columns(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names));
    (QTest::addColumn<Types>(names), ...);
}

// The current row's values of several columns in one line, as QFETCH takes one:
//   auto [text, count] = fetch<QString, int>("text", "count");
template <typename... Types, typename... Names>
std::tuple<Types...> fetch(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names));
    return {*static_cast<Types *>(QTest::qData(names, qMetaTypeId<Types>()))...};
}
