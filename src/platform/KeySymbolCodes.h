// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>
#include <cstdint>

namespace clavora {

// The virtual-key code of the key whose unshifted X key symbol is `symbol`: the named keys
// by their symbol (left and right told apart, AltGr as the right Alt), every other key by
// the character it types, through the on-screen keyboard's own character rules.
std::uint16_t keyCodeOfSymbol(quint32 symbol);

} // namespace clavora
