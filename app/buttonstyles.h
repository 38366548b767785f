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

// The address fields' own sheet, and the network address's while it is
// locked: grey, as a field that only shows its value.
inline constexpr char AddressSheet[] = "background-color: rgb(255, 255, 255);\nfont-size:18px;";
inline constexpr char LockedAddressSheet[] = "background-color: rgb(200, 200, 200);\ncolor: rgb(70, 70, 70);\nfont-size:18px;";
