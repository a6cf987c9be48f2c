// The palette slots of components: component k is discovered in slot 2k - 1 and finished in slot
// 2k; the picture draws with them and the words name them.
#pragma once

enum Slot { black, red, green, blue, light_red, light_green, light_blue, yellow, grey, white };
constexpr int component_slots = 8;  // colours for four components

// A fifth component would run past the eight component colours (slot 9 is the background): the
// colours then start again from the first pair rather than reading outside the table.
constexpr int discovered_slot(int k) { return (2 * k - 2) % component_slots + 1; }
constexpr int finished_slot(int k) { return discovered_slot(k) + 1; }
