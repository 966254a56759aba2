#pragma once
#include <string>
#include <unordered_map>

namespace fw {

// Texts keyed by object identity: the key is the object's address.
class Dictionary {
 public:
  void Value(const void* key, const std::string& value);
  // Throws KeyNotFoundException when there is no such key.
  const std::string& Value(const void* key) const;
  bool HasKey(const void* key) const;
  // Removes the key; nothing happens when there is no such key.
  void Remove(const void* key);
  int Count() const;
  void Clear();

 private:
  std::unordered_map<const void*, std::string> values_;
};

}  // namespace fw
