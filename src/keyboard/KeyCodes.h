// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>

namespace clavora {

// The virtual-key codes the on-screen keyboard polls for its named keys.
namespace virtualKey {
constexpr std::uint16_t Backspace = 8;
constexpr std::uint16_t Tab = 9;
constexpr std::uint16_t Enter = 13;
constexpr std::uint16_t CapsLock = 20;
constexpr std::uint16_t Space = 32;
constexpr std::uint16_t LeftWin = 91;
constexpr std::uint16_t RightWin = 92;
constexpr std::uint16_t Menu = 93;
constexpr std::uint16_t LeftShift = 160;
constexpr std::uint16_t RightShift = 161;
constexpr std::uint16_t LeftCtrl = 162;
constexpr std::uint16_t RightCtrl = 163;
constexpr std::uint16_t LeftAlt = 164;
constexpr std::uint16_t RightAlt = 165; // also ALT GR
} // namespace virtualKey

// The code of the key that types a caption's first character: letters by their capital,
// digits by themselves, twelve punctuation marks by their US key; 0 (never down) otherwise.
std::uint16_t characterKeyCode(const QString& caption);

} // namespace clavora
