#pragma once

namespace HeartFixture {

// Places of the shipped drugs in the heart window's drug list.
enum Position { Epi, NEpi, Iso, Prop, Atr, ACh, KCl, CaCl };

} // namespace HeartFixture
