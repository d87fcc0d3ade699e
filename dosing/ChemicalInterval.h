#pragma once

// The anti-chemical-interference intervals: one per channel, in whole
// minutes, in holding registers 106..109 of the master pump. The pump keeps
// doses of different reagents that far apart; the client reads and writes
// them, always at the master's address.

#include <QString>

#include <array>

struct RegisterImage;

namespace ChemicalInterval {

constexpr int kMasterAddress = 1;
constexpr int kFirstRegister = 106;
constexpr int kChannelCount = 4;
constexpr int kMaximum = 30;
constexpr std::array<int, kChannelCount> kMinimum = {0, 4, 4, 4};
// All four intervals together.
constexpr int kMaxTotal = 55;

using Intervals = std::array<int, kChannelCount>;

bool withinTotal(const Intervals &intervals);

Intervals load(const RegisterImage &image);
void store(const Intervals &intervals, RegisterImage &image);
// Copies registers 106..109.
void copy(const RegisterImage &from, RegisterImage &to);

QString readCommand();
QString writeCommand();

} // namespace ChemicalInterval
