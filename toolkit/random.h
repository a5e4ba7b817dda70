// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers for the games: a small generator of our own (values
// 0-32767 per draw) so a seed gives the same sequence on every machine.

namespace tk {

// Seeds from the tick count; two seedings in the same millisecond still
// differ.
void SeedRandom();
void SeedRandom(unsigned seed);
// A number in min..max. Negative bounds count as 0, swapped bounds are put
// in order.
int RandomInt(int min = 0, int max = 2147483647);

} // namespace tk
