// CommandBuffer: a malloc'ed message block on its way to the host. Inside the
// library it is owned; handing it over releases ownership to the caller,
// who frees it with free().
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

namespace orbel {

struct FreeDeleter {
  void operator()(unsigned char* block) const { std::free(block); }
};

class CommandBuffer {
 public:
  CommandBuffer() = default;
  // Allocates `length` bytes with malloc (zeroed with calloc when asked);
  // the result is empty when the allocation fails.
  // Defined here so that builders on hot paths inline it.
  static CommandBuffer allocate(std::uint32_t length, bool zeroed = false) {
    CommandBuffer buffer;
    void* block = zeroed ? std::calloc(length, 1) : std::malloc(length);
    if (block == nullptr) return buffer;
    buffer.bytes_.reset(static_cast<unsigned char*>(block));
    buffer.length_ = length;
    return buffer;
  }

  explicit operator bool() const { return static_cast<bool>(bytes_); }
  std::uint32_t length() const { return length_; }
  std::span<std::uint8_t> bytes() { return {bytes_.get(), length_}; }
  std::span<const std::uint8_t> bytes() const { return {bytes_.get(), length_}; }

  // Gives the block to the caller: stores its length through `len` and
  // returns it; an empty buffer returns null and leaves `len` alone.
  unsigned char* handOver(unsigned int* len);

 private:
  std::unique_ptr<unsigned char, FreeDeleter> bytes_;
  std::uint32_t length_ = 0;
};

}  // namespace orbel
