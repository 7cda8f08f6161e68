#include "orbel/wire/CommandBuffer.h"

namespace orbel {

CommandBuffer CommandBuffer::allocate(std::uint32_t length, bool zeroed) {
  CommandBuffer buffer;
  void* block = zeroed ? std::calloc(length, 1) : std::malloc(length);
  if (block == nullptr) return buffer;
  buffer.bytes_.reset(static_cast<unsigned char*>(block));
  buffer.length_ = length;
  return buffer;
}

unsigned char* CommandBuffer::handOver(unsigned int* len) {
  if (!bytes_) return nullptr;
  *len = length_;
  length_ = 0;
  return bytes_.release();
}

}  // namespace orbel
