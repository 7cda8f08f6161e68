// Reader of the HLS filter-node file (JSON; the format is described in
// data/README.md): turns the file's nested nodes into the five node lists,
// or says where and why the file is wrong.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "host/HlsNodeLists.h"

// A node file larger than this is refused before it is parsed.
inline constexpr std::size_t kHlsNodeFileLimit = 4 << 20;
// Nodes nested deeper than this are refused.
inline constexpr int kHlsNodeDepthLimit = 32;

// The node lists of `text`, or an error such as
// "lists[0].nodes[2].children[1]: \"value\" must be a number from 0 to
// 4294967295".
std::variant<HlsNodeLists, std::string> readHlsNodeLists(std::string_view text);

// The text of data/hls-filter-nodes.json as it was when the library was built.
std::string_view builtInHlsNodeText();
