#include "framework/fw_dictionary.h"

#include "framework/fw_errors.h"

namespace fw {

void Dictionary::Value(const void* key, const std::string& value) { values_[key] = value; }

const std::string& Dictionary::Value(const void* key) const {
  auto found = values_.find(key);
  if (found == values_.end()) throw KeyNotFoundException("the dictionary has no such key");
  return found->second;
}

bool Dictionary::HasKey(const void* key) const { return values_.contains(key); }

void Dictionary::Remove(const void* key) { values_.erase(key); }

int Dictionary::Count() const { return static_cast<int>(values_.size()); }

void Dictionary::Clear() { values_.clear(); }

}  // namespace fw
