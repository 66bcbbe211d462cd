#pragma once

namespace galloria {

// The game lays out its screens for three screen widths; the class is chosen
// once from the screen width when the view is made.
enum class SizeClass { Small, Medium, Large };

// Small below 700 pixels, medium below 900, large otherwise.
constexpr SizeClass SizeClassForScreenWidth(int width)
{
    return width < 700 ? SizeClass::Small : width < 900 ? SizeClass::Medium : SizeClass::Large;
}

// The value for the class: one of three given for small, medium and large.
template <typename T> constexpr T BySizeClass(SizeClass size, T small, T medium, T large)
{
    return size == SizeClass::Small ? small : size == SizeClass::Medium ? medium : large;
}

// The layout's size: 640 x 480, 800 x 600 or 1024 x 768.
constexpr int LayoutWidth(SizeClass size)
{
    return BySizeClass(size, 640, 800, 1024);
}
constexpr int LayoutHeight(SizeClass size)
{
    return BySizeClass(size, 480, 600, 768);
}

} // namespace galloria
