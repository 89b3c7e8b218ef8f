#include "console/cell_text.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "runtime/unicode/utf8_decode.h"
#include "runtime/utf8.h"

namespace tarvana {
namespace {

struct ClusterStore {
  std::mutex lock;
  std::vector<std::string> clusters;
  std::unordered_map<std::string, char32_t> index;
};

// Never destroyed: cells may be read while other statics are torn down.
ClusterStore& Store() {
  static ClusterStore* store = new ClusterStore;
  return *store;
}

}  // namespace

char32_t CellTextOfCluster(std::string_view cluster) {
  std::size_t pos = 0;
  const char32_t first = DecodeUtf8(cluster, pos);
  if (pos == cluster.size()) return first;
  // Only so much of a long pile of marks is kept, cut between scalars.
  for (std::size_t end = pos; end <= kMaxStoredClusterBytes && end < cluster.size();) {
    pos = end;
    DecodeUtf8(cluster, end);
    if (end > kMaxStoredClusterBytes) cluster = cluster.substr(0, pos);
  }
  ClusterStore& store = Store();
  const std::lock_guard<std::mutex> hold(store.lock);
  const std::string key(cluster);
  if (const auto found = store.index.find(key); found != store.index.end()) return found->second;
  if (store.clusters.size() >= kMaxStoredClusters) return first;
  const char32_t text = kStoredClusterBit | static_cast<char32_t>(store.clusters.size());
  store.clusters.push_back(key);
  store.index.emplace(key, text);
  return text;
}

std::string CellTextUtf8(char32_t text) {
  std::string out;
  if (text == 0) return out;
  if ((text & kStoredClusterBit) == 0) {
    AppendUtf8(out, text);
    return out;
  }
  ClusterStore& store = Store();
  const std::lock_guard<std::mutex> hold(store.lock);
  const std::size_t at = text & ~kStoredClusterBit;
  return at < store.clusters.size() ? store.clusters[at] : out;
}

std::size_t StoredClusterCount() {
  ClusterStore& store = Store();
  const std::lock_guard<std::mutex> hold(store.lock);
  return store.clusters.size();
}

}  // namespace tarvana
