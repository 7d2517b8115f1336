#pragma once

#include <QString>

/// The texts of one column's date row and opposite-date row.
struct ColumnDates {
    QString date;
    QString oppositeDate;

    friend bool operator==(const ColumnDates &, const ColumnDates &) = default;
};
