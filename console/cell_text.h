#pragma once
// The text of screen cells that hold a cluster outside code page 437. A cell's
// text field is the cluster's scalar value when it is one scalar; a longer
// cluster (a base with marks, an emoji sequence) is kept once in a store for
// the whole process and the field is its index with the top bit set. The
// store keeps at most kMaxStoredClusters distinct clusters; past that, a new
// long cluster is kept as its first scalar only, so a screen stays drawable
// however much distinct text a program prints. A cluster longer than
// kMaxStoredClusterBytes (a pile of combining marks) keeps only its start of
// whole scalars within that many bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvana {

inline constexpr char32_t kStoredClusterBit = 0x80000000u;
inline constexpr std::size_t kMaxStoredClusters = 65536;
inline constexpr std::size_t kMaxStoredClusterBytes = 64;

// The text field for a cluster of valid UTF-8 (not empty): its scalar, or
// its place in the store; the first scalar once the store is full.
char32_t CellTextOfCluster(std::string_view cluster);
// The UTF-8 cluster a text field stands for; "" for 0.
std::string CellTextUtf8(char32_t text);
// How many distinct clusters the store holds.
std::size_t StoredClusterCount();

}  // namespace tarvana
