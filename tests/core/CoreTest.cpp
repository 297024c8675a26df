// SPDX-License-Identifier: GPL-3.0-or-later
// The runner of the core tests: every registered test function once, or once per row of its
// data table, in the order they stand in the file. The exit status counts the failures.
#include "CoreTest.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace coretest {
namespace {

struct Test {
    const char* name;
    Function function = nullptr;
    Function data = nullptr;
};

std::vector<Test>& tests()
{
    static std::vector<Test> all;
    return all;
}

Test& entry(const char* name)
{
    for (Test& test : tests())
        if (std::strcmp(test.name, name) == 0)
            return test;
    tests().push_back(Test{name});
    return tests().back();
}

struct Column {
    std::string name;
    std::type_index type;
};

struct Table {
    std::vector<Column> columns;
    std::deque<Row> rows;
};

Table table;
const Row* currentRow = nullptr;

} // namespace

bool registerTest(const char* name, Function function)
{
    entry(name).function = function;
    return true;
}

bool registerData(const char* name, Function function)
{
    entry(name).data = function;
    return true;
}

void fail(const char* file, int line, const std::string& message)
{
    throw Failure{std::string(file) + ":" + std::to_string(line) + ": " + message};
}

void skip(const std::string& reason) { throw Skipped{reason}; }

void addColumnOf(const char* name, std::type_index type) { table.columns.push_back(Column{name, type}); }

Row& newRow(const std::string& name)
{
    if (table.columns.empty())
        throw std::logic_error("a row before any column");
    return table.rows.emplace_back(name);
}

Row& addRow(const char* format, ...)
{
    char name[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(name, sizeof name, format, arguments);
    va_end(arguments);
    return newRow(name);
}

void Row::add(std::any value)
{
    const std::size_t column = values_.size();
    if (column >= table.columns.size())
        throw std::logic_error("row \"" + name_ + "\" has more values than the table has columns");
    if (std::type_index(value.type()) != table.columns[column].type)
        throw std::logic_error("row \"" + name_ + "\": wrong type for column " + table.columns[column].name);
    values_.push_back(std::move(value));
}

const std::any& fetch(const char* column, std::type_index type)
{
    if (!currentRow)
        throw std::logic_error(std::string("FETCH(") + column + ") outside a data-driven test");
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].name == column) {
            if (table.columns[i].type != type)
                throw std::logic_error(std::string("FETCH(") + column + ") with another type than its column");
            return currentRow->value(i);
        }
    }
    throw std::logic_error(std::string("no column ") + column);
}

} // namespace coretest

int main()
{
    using namespace coretest;
    int passed = 0, failed = 0, skipped = 0;
    auto run = [&](const Test& test, const Row* row) {
        currentRow = row;
        const std::string name = std::string(test.name) + (row ? "(" + row->name() + ")" : "");
        try {
            test.function();
            ++passed;
        } catch (const Failure& failure) {
            ++failed;
            std::printf("FAIL!  : %s\n   %s\n", name.c_str(), failure.message.c_str());
        } catch (const Skipped& skip) {
            ++skipped;
            std::printf("SKIP   : %s %s\n", name.c_str(), skip.reason.c_str());
        } catch (const std::exception& error) {
            ++failed;
            std::printf("FAIL!  : %s\n   unexpected exception: %s\n", name.c_str(), error.what());
        }
    };
    for (const Test& test : tests()) {
        if (!test.function) {
            std::printf("FAIL!  : %s has a data table but no test\n", test.name);
            ++failed;
            continue;
        }
        if (!test.data) {
            run(test, nullptr);
            continue;
        }
        table = Table{};
        test.data();
        for (const Row& row : table.rows)
            run(test, &row);
    }
    std::printf("Totals: %d passed, %d failed, %d skipped\n", passed, failed, skipped);
    return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
