#include "support/colour_science.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vornmark::testing {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes 2009, severity 1.0, on linear RGB.
constexpr Matrix kDeuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kProtanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kTritanopia{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double channel(std::uint8_t value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }
double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

const char* vision_name(Vision vision) {
  switch (vision) {
    case Vision::Deuteranopia:
      return "deuteranopia";
    case Vision::Protanopia:
      return "protanopia";
    case Vision::Tritanopia:
      return "tritanopia";
    case Vision::Normal:
      break;
  }
  return "normal vision";
}

Linear to_linear(Rgb colour) { return {channel(colour.red), channel(colour.green), channel(colour.blue)}; }

Linear simulate(const Linear& colour, Vision vision) {
  const Matrix* matrix = vision == Vision::Deuteranopia ? &kDeuteranopia
                         : vision == Vision::Protanopia ? &kProtanopia
                         : vision == Vision::Tritanopia ? &kTritanopia
                                                        : nullptr;
  if (matrix == nullptr) return colour;
  Linear seen{};
  for (std::size_t i = 0; i < 3; ++i) {
    double sum = 0;
    for (std::size_t j = 0; j < 3; ++j) sum += (*matrix)[i][j] * colour[j];
    seen[i] = std::clamp(sum, 0.0, 1.0);
  }
  return seen;
}

Lab to_lab(const Linear& c) {
  const double x = (0.4124564 * c[0] + 0.3575761 * c[1] + 0.1804375 * c[2]) / 0.95047;
  const double y = 0.2126729 * c[0] + 0.7151522 * c[1] + 0.0721750 * c[2];
  const double z = (0.0193339 * c[0] + 0.1191920 * c[1] + 0.9503041 * c[2]) / 1.08883;
  const auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
  return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double ciede2000(const Lab& first, const Lab& second) {
  const double c1 = std::hypot(first.a, first.b);
  const double c2 = std::hypot(second.a, second.b);
  const double c_mean7 = std::pow((c1 + c2) / 2, 7);
  const double g = 0.5 * (1 - std::sqrt(c_mean7 / (c_mean7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * first.a;
  const double a2 = (1 + g) * second.a;
  const double c1p = std::hypot(a1, first.b);
  const double c2p = std::hypot(a2, second.b);
  const auto hue = [](double b, double a) {
    if (a == 0 && b == 0) return 0.0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(first.b, a1);
  const double h2 = hue(second.b, a2);
  const double dl = second.l - first.l;
  const double dc = c2p - c1p;
  double dh = 0;
  if (c1p * c2p != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
  }
  const double dh_big = 2 * std::sqrt(c1p * c2p) * std::sin(radians(dh / 2));
  const double l_mean = (first.l + second.l) / 2;
  const double cp_mean = (c1p + c2p) / 2;
  double h_mean = h1 + h2;
  if (c1p * c2p != 0) {
    h_mean = (h1 + h2) / 2;
    if (std::abs(h1 - h2) > 180) h_mean += h1 + h2 < 360 ? 180 : -180;
  }
  const double t = 1 - 0.17 * std::cos(radians(h_mean - 30)) + 0.24 * std::cos(radians(2 * h_mean)) +
                   0.32 * std::cos(radians(3 * h_mean + 6)) - 0.20 * std::cos(radians(4 * h_mean - 63));
  const double d_theta = 30 * std::exp(-std::pow((h_mean - 275) / 25, 2));
  const double cp_mean7 = std::pow(cp_mean, 7);
  const double rc = 2 * std::sqrt(cp_mean7 / (cp_mean7 + std::pow(25.0, 7)));
  const double sl = 1 + 0.015 * std::pow(l_mean - 50, 2) / std::sqrt(20 + std::pow(l_mean - 50, 2));
  const double sc = 1 + 0.045 * cp_mean;
  const double sh = 1 + 0.015 * cp_mean * t;
  const double rt = -std::sin(radians(2 * d_theta)) * rc;
  return std::sqrt(std::pow(dl / sl, 2) + std::pow(dc / sc, 2) + std::pow(dh_big / sh, 2) +
                   rt * (dc / sc) * (dh_big / sh));
}

double difference(Rgb first, Rgb second, Vision vision) {
  return ciede2000(to_lab(simulate(to_linear(first), vision)), to_lab(simulate(to_linear(second), vision)));
}

double worst_difference(Rgb first, Rgb second, Vision* worst) {
  double smallest = 1e9;
  for (Vision vision : kVisions) {
    const double d = difference(first, second, vision);
    if (d < smallest) {
      smallest = d;
      if (worst != nullptr) *worst = vision;
    }
  }
  return smallest;
}

double luminance(const Linear& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; }

double relative_luminance(Rgb colour) { return luminance(to_linear(colour)); }

double contrast_ratio(Rgb first, Rgb second) {
  const double a = relative_luminance(first);
  const double b = relative_luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace vornmark::testing
