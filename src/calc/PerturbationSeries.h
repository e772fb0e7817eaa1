#pragma once

// The mutual perturbations of Jupiter and Saturn as trigonometric series in
// the mean anomalies P (Jupiter), Q (Saturn) and S (Uranus):
//   V = 5Q - 2P (the great inequality), zeta = Q - P, psi = S - Q,
// with v = T / 5 + 0.1. Each row is one term
//   (c + c_v v + c_vv v^2) * first factor * second factor,
// a factor being sin or cos of a multiple of V, zeta, Q or psi. Rows follow
// the written series term by term.

#include <array>

namespace tarvik::perturbation {

enum class Arg : unsigned char { V, Zeta, Q, Psi };
enum class Fn : unsigned char { One, Sin, Cos };

struct Factor {
    Fn fn = Fn::One;
    unsigned char k = 0;
    Arg arg = Arg::V;
};
constexpr Factor Sin(int k, Arg a) { return {Fn::Sin, static_cast<unsigned char>(k), a}; }
constexpr Factor Cos(int k, Arg a) { return {Fn::Cos, static_cast<unsigned char>(k), a}; }

struct Term {
    double c, cv, cvv;
    Factor first;
    Factor second{};
};

inline constexpr Arg V = Arg::V, Z = Arg::Zeta, Q = Arg::Q, Psi = Arg::Psi;

// Jupiter, mean longitude (degrees).
inline constexpr auto J1 = std::to_array<Term>({
    { 0.331, -0.01,  0, Sin(1, V)},
    { 0,     -0.064, 0, Cos(1, V)},
    { 0.014,  0,     0, Sin(1, Z)},
    { 0.018,  0,     0, Sin(2, Z)},
    {-0.034,  0,     0, Cos(1, Z), Sin(1, Q)},
    {-0.036,  0,     0, Sin(1, Z), Cos(1, Q)},
});

// Jupiter, perihelion times eccentricity (degrees).
inline constexpr auto J2 = std::to_array<Term>({
    { 0.007, 0, 0, Sin(1, V)},
    {-0.02,  0, 0, Cos(1, V)},
    { 0.034, 0, 0, Cos(1, Z), Sin(1, Q)},
    { 0.007, 0, 0, Sin(1, Z), Sin(1, Q)},
    { 0.006, 0, 0, Cos(2, Z), Sin(1, Q)},
    { 0.038, 0, 0, Sin(1, Z), Cos(1, Q)},
    { 0.006, 0, 0, Sin(2, Z), Cos(1, Q)},
    {-0.007, 0, 0, Cos(1, Z), Cos(1, Q)},
    { 0.004, 0, 0, Cos(1, Z), Sin(2, Q)},
    {-0.005, 0, 0, Sin(1, Z), Sin(2, Q)},
    { 0.004, 0, 0, Sin(1, Z), Cos(2, Q)},
    { 0.006, 0, 0, Cos(1, Z), Cos(2, Q)},
});

// Jupiter, eccentricity (units of 1e-7).
inline constexpr double J3Scale = 1e-7;
inline constexpr auto J3 = std::to_array<Term>({
    { 3606,    0, 0, Sin(1, V)},
    { 1289, -580, 0, Cos(1, V)},
    { -204,    0, 0, Sin(1, Q)},
    {-6764,    0, 0, Sin(1, Z), Sin(1, Q)},
    {-1110,    0, 0, Sin(2, Z), Sin(1, Q)},
    { 1284,    0, 0, Cos(1, Z), Sin(1, Q)},
    { -817,    0, 0, Cos(1, Q)},
    { 1460,    0, 0, Sin(1, Z), Cos(1, Q)},
    { 6074,    0, 0, Cos(1, Z), Cos(1, Q)},
    {  992,    0, 0, Cos(2, Z), Cos(1, Q)},
    {  508,    0, 0, Cos(3, Z), Cos(1, Q)},
    { -956,    0, 0, Sin(1, Z), Sin(2, Q)},
    { -997,    0, 0, Cos(1, Z), Sin(2, Q)},
    {  480,    0, 0, Cos(2, Z), Sin(2, Q)},
    {  179,    0, 0, Cos(2, Q)},
    { -956,    0, 0, Sin(1, Z), Cos(2, Q)},
    {  490,    0, 0, Sin(2, Z), Cos(2, Q)},
    { 1024,    0, 0, Cos(1, Z), Cos(2, Q)},
    { -437,    0, 0, Cos(2, Z), Cos(2, Q)},
});

// Jupiter, semi-major axis (units of 1e-6 AU).
inline constexpr double J4Scale = 1e-6;
inline constexpr auto J4 = std::to_array<Term>({
    {-263, 0, 0, Cos(1, V)},
    { 205, 0, 0, Cos(1, Z)},
    { 693, 0, 0, Cos(2, Z)},
    { 312, 0, 0, Cos(3, Z)},
    { 299, 0, 0, Sin(1, Z), Sin(1, Q)},
    { 181, 0, 0, Cos(2, Z), Sin(1, Q)},
    { 204, 0, 0, Sin(2, Z), Cos(1, Q)},
    { 111, 0, 0, Sin(3, Z), Cos(1, Q)},
    {-337, 0, 0, Cos(1, Z), Cos(1, Q)},
    {-111, 0, 0, Cos(2, Z), Cos(1, Q)},
});

// Saturn, mean longitude (degrees).
inline constexpr auto S1 = std::to_array<Term>({
    {-0.814, 0.018, -0.017, Sin(1, V)},
    {-0.01,  0.161,  0,     Cos(1, V)},
    {-0.149, 0,      0,     Sin(1, Z)},
    {-0.041, 0,      0,     Sin(2, Z)},
    {-0.015, 0,      0,     Sin(3, Z)},
    {-0.006, 0,      0,     Sin(1, Q)},
    {-0.017, 0,      0,     Sin(2, Z), Sin(1, Q)},
    { 0.081, 0,      0,     Cos(1, Z), Sin(1, Q)},
    { 0.015, 0,      0,     Cos(2, Z), Sin(1, Q)},
    { 0.086, 0,      0,     Sin(1, Z), Cos(1, Q)},
    { 0.025, 0,      0,     Cos(1, Z), Cos(1, Q)},
    { 0.014, 0,      0,     Cos(2, Z), Cos(1, Q)},
    { 0.006, 0,      0,     Cos(3, Z), Cos(1, Q)},
});

// Saturn, perihelion times eccentricity (degrees).
inline constexpr auto S2 = std::to_array<Term>({
    { 0.077,  0.007, 0, Sin(1, V)},
    { 0.046, -0.015, 0, Cos(1, V)},
    {-0.007,  0,     0, Sin(1, Z)},
    {-0.076,  0,     0, Sin(1, Z), Sin(1, Q)},
    {-0.025,  0,     0, Sin(2, Z), Sin(1, Q)},
    {-0.009,  0,     0, Sin(3, Z), Sin(1, Q)},
    {-0.073,  0,     0, Cos(1, Q)},
    {-0.15,   0,     0, Cos(1, Z), Cos(1, Q)},
    { 0.027,  0,     0, Cos(2, Z), Cos(1, Q)},
    { 0.01,   0,     0, Cos(3, Z), Cos(1, Q)},
    {-0.014,  0,     0, Sin(1, Z), Cos(2, Q)},
    { 0.012,  0,     0, Sin(2, Z), Cos(2, Q)},
    { 0.015,  0,     0, Cos(1, Z), Cos(2, Q)},
    {-0.013,  0,     0, Cos(2, Z), Cos(2, Q)},
    {-0.014,  0,     0, Sin(1, Z), Cos(3, Q)},
    {-0.008,  0,     0, Cos(1, Z), Cos(3, Q)},
    { 0.014,  0,     0, Cos(2, Z), Cos(3, Q)},
});

// Saturn, eccentricity (units of 1e-7).
inline constexpr double S3Scale = 1e-7;
inline constexpr auto S3 = std::to_array<Term>({
    {-7929,  2548, 0, Sin(1, V)},
    {13381,  1226, 0, Cos(1, V)},
    {  248,     0, 0, Sin(2, V)},
    { -305,     0, 0, Cos(2, V)},
    {  412,     0, 0, Sin(2, Z)},
    {12415,     0, 0, Sin(1, Q)},
    {  390,  -617, 0, Sin(1, Z), Sin(1, Q)},
    {26599,     0, 0, Cos(1, Z), Sin(1, Q)},
    {-4687,     0, 0, Cos(2, Z), Sin(1, Q)},
    {-1870,     0, 0, Cos(3, Z), Sin(1, Q)},
    { -821,     0, 0, Cos(4, Z), Sin(1, Q)},
    {  163,  -611, 0, Cos(1, Q)},
    {-12696,    0, 0, Sin(1, Z), Cos(1, Q)},
    {-4200,     0, 0, Sin(2, Z), Cos(1, Q)},
    {-1503,     0, 0, Sin(3, Z), Cos(1, Q)},
    { -619,     0, 0, Sin(4, Z), Cos(1, Q)},
    { -282, -1306, 0, Cos(1, Z), Cos(1, Q)},
    { -350,     0, 0, Sin(2, Q)},
    { 2211,     0, 0, Sin(1, Z), Sin(2, Q)},
    {-2208,     0, 0, Sin(2, Z), Sin(2, Q)},
    { -568,     0, 0, Sin(3, Z), Sin(2, Q)},
    {-2780,     0, 0, Cos(1, Z), Sin(2, Q)},
    { -490,     0, 0, Cos(2, Q)},
    {-2842,     0, 0, Sin(1, Z), Cos(2, Q)},
    {-1594,     0, 0, Cos(1, Z), Cos(2, Q)},
    { 2162,     0, 0, Cos(2, Z), Cos(2, Q)},
    {  561,     0, 0, Cos(3, Z), Cos(2, Q)},
    {  469,     0, 0, Sin(3, Psi), Cos(2, Q)},
});

// Saturn, semi-major axis (units of 1e-6 AU).
inline constexpr double S4Scale = 1e-6;
inline constexpr auto S4 = std::to_array<Term>({
    {  572, 0, 0, Sin(1, V)},
    { 2933, 0, 0, Cos(1, V)},
    {33629, 0, 0, Cos(1, Z)},
    {-3081, 0, 0, Cos(2, Z)},
    {-1423, 0, 0, Cos(3, Z)},
    { -671, 0, 0, Cos(4, Z)},
    { 1098, 0, 0, Sin(1, Q)},
    {-2812, 0, 0, Sin(1, Z), Sin(1, Q)},
    {  688, 0, 0, Sin(2, Z), Sin(1, Q)},
    { -393, 0, 0, Sin(3, Z), Sin(1, Q)},
    {-2138, 0, 0, Cos(1, Z), Sin(1, Q)},
    { -999, 0, 0, Cos(2, Z), Sin(1, Q)},
    { -642, 0, 0, Cos(3, Z), Sin(1, Q)},
    { -890, 0, 0, Cos(1, Q)},
    { 2206, 0, 0, Sin(1, Z), Cos(1, Q)},
    {-1590, 0, 0, Sin(2, Z), Cos(1, Q)},
    { -647, 0, 0, Sin(3, Z), Cos(1, Q)},
    { 2285, 0, 0, Cos(1, Z), Cos(1, Q)},
    { 2172, 0, 0, Cos(2, Z), Cos(1, Q)},
    {  296, 0, 0, Cos(3, Z), Cos(1, Q)},
    { -267, 0, 0, Sin(2, Z), Sin(2, Q)},
    { -778, 0, 0, Cos(1, Z), Sin(2, Q)},
    {  495, 0, 0, Cos(2, Z), Sin(2, Q)},
    {  250, 0, 0, Cos(3, Z), Sin(2, Q)},
    { -856, 0, 0, Sin(1, Z), Cos(2, Q)},
    {  441, 0, 0, Sin(2, Z), Cos(2, Q)},
    {  296, 0, 0, Cos(2, Z), Cos(2, Q)},
    {  211, 0, 0, Cos(3, Z), Cos(2, Q)},
    { -427, 0, 0, Sin(1, Z), Sin(3, Q)},
    {  398, 0, 0, Sin(3, Z), Sin(3, Q)},
    {  344, 0, 0, Cos(1, Z), Cos(3, Q)},
    { -427, 0, 0, Cos(3, Z), Cos(3, Q)},
});

} // namespace tarvik::perturbation
