#pragma once
// An image button shows its state only through its whole style sheet: the
// grey picture or the blue "_light" one on the window's grey.

#define KVX_IMAGE_BUTTON(image) "background-image: url(:/png/image/" image ");background-color: rgb(100, 100, 100);"

inline constexpr char RefreshIdle[] = KVX_IMAGE_BUTTON("reflush.svg");
inline constexpr char RefreshActive[] = KVX_IMAGE_BUTTON("reflush_light.svg");
inline constexpr char ConfigBusy[] = KVX_IMAGE_BUTTON("config.svg");
inline constexpr char ConfigReady[] = KVX_IMAGE_BUTTON("config_light.svg");
inline constexpr char RandUsable[] = KVX_IMAGE_BUTTON("RandButton_light.svg");
inline constexpr char RandBlocked[] = KVX_IMAGE_BUTTON("RandButton.svg");
inline constexpr char LockOpen[] = KVX_IMAGE_BUTTON("LockButton.svg");
inline constexpr char LockClosed[] = KVX_IMAGE_BUTTON("LockButton_light.svg");

#undef KVX_IMAGE_BUTTON
