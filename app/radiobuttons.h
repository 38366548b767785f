#pragma once
// The window's radio buttons and the engine's names for what they choose.
// The ids are those the buttons are added to their groups with: product_1
// 0 and product_2 1; module_1 to module_4 0 to 3 (Tarn, Brae - Loch,
// Skerry, Half Fjord); mode_1 0 and mode_2 1. The one place they meet.

#include "protocol/radiotypes.h"

inline Product productForButton(int id)
{
    return id == 1 ? Product::Kv6 : Product::Kv5;
}

// Any id but the first three selects Half Fjord, as the option lists do.
inline Module moduleForButton(int id)
{
    switch (id) {
    case 0: return Module::Tarn;
    case 1: return Module::BraeLoch;
    case 2: return Module::Skerry;
    default: return Module::HalfFjord;
    }
}

inline LinkMode modeForButton(int id)
{
    return id == 1 ? LinkMode::PointToMultipoint : LinkMode::PointToPoint;
}

inline int buttonFor(Product product) { return product == Product::Kv6 ? 1 : 0; }
inline int buttonFor(LinkMode mode) { return isMultipoint(mode) ? 1 : 0; }
inline int buttonFor(Module module)
{
    switch (module) {
    case Module::Tarn: return 0;
    case Module::BraeLoch: return 1;
    case Module::Skerry: return 2;
    case Module::HalfFjord: break;
    }
    return 3;
}
