// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstdint>

// The calculator's interface: ten stateless operations called on the class,
// never on an object, in this slot order. A calculator type satisfies it by
// declaring them as static member functions.
template <class T>
concept TAProracun = requires(std::int32_t n, double d, double& out) {
    { T::ExtM(n, d, d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::MaxT(n, d, d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::MinT(n, d, d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::MaxM(d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::Nule(out, out, d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<void>;
    { T::Teme(d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::Mlevo(d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::ZonaVazenja(n, d, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<double>;
    { T::Rezultanta(out, out, d, d, d, d, d, d, d, d, d, d, d) } -> std::same_as<void>;
    { T::RastojanjeA(d, d, d, d, d, d) } -> std::same_as<double>;
};
