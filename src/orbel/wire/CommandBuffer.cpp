#include "orbel/wire/CommandBuffer.h"

namespace orbel {

unsigned char* CommandBuffer::handOver(unsigned int* len) {
  if (!bytes_) return nullptr;
  *len = length_;
  length_ = 0;
  return bytes_.release();
}

}  // namespace orbel
