// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small test harness for the Qt-free core, so that its tests link nothing but the core:
// named test functions, data tables with typed columns and named rows, and the checks of
// the window's tests with the same meaning. COMPARE of two floating-point values is Qt
// Test's: equal within a relative 1e-12 (1e-5 for float), or both within 1e-12 of zero.
//
//   TEST_DATA(rounds) { coretest::addColumn<double>("value"); coretest::newRow("half") << 0.5; }
//   TEST_CASE(rounds) { FETCH(double, value); COMPARE(roundWholeHalfEven(value), 0.0); }

#include <any>
#include <cmath>
#include <cstdio>
#include <deque>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

namespace coretest {

// Thrown by a failing check: ends the running test function (or its row).
struct Failure {
    std::string message;
};
// Thrown by SKIP: the row is counted as skipped.
struct Skipped {
    std::string reason;
};

[[noreturn]] void fail(const char* file, int line, const std::string& message);
[[noreturn]] void skip(const std::string& reason);

using Function = void (*)();
bool registerTest(const char* name, Function function);
bool registerData(const char* name, Function function);

// ---- data tables -----------------------------------------------------------------------

class Row {
public:
    explicit Row(std::string name) : name_(std::move(name)) {}

    // A string literal goes into a std::string column.
    template <typename T> Row& operator<<(const T& value)
    {
        if constexpr (std::is_convertible_v<const T&, const char*>)
            add(std::any(std::string(value)));
        else
            add(std::any(value));
        return *this;
    }

    const std::string& name() const { return name_; }
    const std::any& value(std::size_t column) const { return values_.at(column); }

private:
    void add(std::any value);

    std::string name_;
    std::vector<std::any> values_;
};

void addColumnOf(const char* name, std::type_index type);
template <typename T> void addColumn(const char* name) { addColumnOf(name, typeid(T)); }
Row& newRow(const std::string& name);
Row& addRow(const char* format, ...) __attribute__((format(printf, 1, 2)));

const std::any& fetch(const char* column, std::type_index type);

// ---- comparing and printing ------------------------------------------------------------

template <typename T> bool floatingEqual(T actual, T expected)
{
    constexpr bool isFloat = std::is_same_v<T, float>;
    const T factor = isFloat ? T(100000) : T(1e12);
    auto fuzzyIsNull = [](T v) { return std::fabs(v) <= (isFloat ? T(0.00001) : T(1e-12)); };
    switch (std::fpclassify(expected)) {
    case FP_INFINITE:
        return (expected < 0) == (actual < 0) && std::fpclassify(actual) == FP_INFINITE;
    case FP_NAN:
        return std::isnan(actual);
    case FP_ZERO:
    case FP_SUBNORMAL:
        return fuzzyIsNull(actual);
    default:
        if (fuzzyIsNull(expected))
            return fuzzyIsNull(actual);
        return std::fabs(actual - expected) * factor <= std::fmin(std::fabs(actual), std::fabs(expected));
    }
}

template <typename A, typename E> bool equal(const A& actual, const E& expected)
{
    if constexpr (std::is_floating_point_v<A> && std::is_same_v<A, E>)
        return floatingEqual(actual, expected);
    else
        return actual == expected;
}

template <typename T> std::string text(const T& value)
{
    if constexpr (requires(std::ostream & out) { out << value; }) {
        std::ostringstream out;
        out.precision(17);
        out << value;
        return out.str();
    } else {
        return "(not printable)";
    }
}

template <typename A, typename E>
void compare(const A& actual, const E& expected, const char* actualText, const char* expectedText, const char* file,
             int line)
{
    if (!equal(actual, expected))
        fail(file, line,
             std::string("compared values differ\n   actual   (") + actualText + "): " + text(actual) +
                 "\n   expected (" + expectedText + "): " + text(expected));
}

} // namespace coretest

#define CORETEST_CONCAT2(a, b) a##b
#define CORETEST_CONCAT(a, b) CORETEST_CONCAT2(a, b)

#define TEST_CASE(name)                                                                                                \
    static void CORETEST_CONCAT(test_, name)();                                                                        \
    [[maybe_unused]] static const bool CORETEST_CONCAT(registered_, name) =                                            \
        coretest::registerTest(#name, &CORETEST_CONCAT(test_, name));                                                  \
    static void CORETEST_CONCAT(test_, name)()

#define TEST_DATA(name)                                                                                                \
    static void CORETEST_CONCAT(data_, name)();                                                                        \
    [[maybe_unused]] static const bool CORETEST_CONCAT(registeredData_, name) =                                        \
        coretest::registerData(#name, &CORETEST_CONCAT(data_, name));                                                  \
    static void CORETEST_CONCAT(data_, name)()

#define VERIFY(condition)                                                                                              \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            coretest::fail(__FILE__, __LINE__, "'" #condition "' returned false");                                     \
    } while (false)

#define VERIFY2(condition, message)                                                                                    \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            coretest::fail(__FILE__, __LINE__, std::string("'" #condition "' returned false: ") + (message));          \
    } while (false)

#define COMPARE(actual, expected) coretest::compare((actual), (expected), #actual, #expected, __FILE__, __LINE__)

#define FAIL(message) coretest::fail(__FILE__, __LINE__, (message))

#define SKIP(reason) coretest::skip(reason)

#define FETCH(Type, column) const Type column = std::any_cast<const Type&>(coretest::fetch(#column, typeid(Type)))

#define VERIFY_THROWS_EXCEPTION(Exception, expression)                                                                 \
    do {                                                                                                               \
        bool thrown = false;                                                                                           \
        try {                                                                                                          \
            (void)(expression);                                                                                        \
        } catch (const Exception&) {                                                                                   \
            thrown = true;                                                                                             \
        } catch (...) {                                                                                                \
            coretest::fail(__FILE__, __LINE__, "'" #expression "' threw another exception than " #Exception);          \
        }                                                                                                              \
        if (!thrown)                                                                                                   \
            coretest::fail(__FILE__, __LINE__, "'" #expression "' did not throw " #Exception);                         \
    } while (false)
