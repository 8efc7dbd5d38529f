#pragma once

#include <QString>

#include <cstdint>

// Seconds as hours:minutes:seconds without leading zeros ("1:2:5", "0:2:5", "0:0:59").
QString olahwaktu(std::int64_t n);
