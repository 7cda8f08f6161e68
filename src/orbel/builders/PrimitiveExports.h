// The primitive command export: one protocol primitive composed field by
// field through the host's primitive-description codec.
#pragma once

#include "orbel/Export.h"

namespace CPsdlSystem_ns {
struct tVLink;
}

// The primitive is named by the frame bytes h2 to h5 (header offsets 2 to
// 5) and `primitive`; `group` is only copied into the header. Null without a
// dialog for a null `len` or a primitive without parameter; null after
// Cancel or a codec failure, *len untouched. The message may carry peer
// data behind the parameter.
ORBEL_EXPORT unsigned char* OrbelGetPsdlCmdBuffer(CPsdlSystem_ns::tVLink* link, unsigned char h2, unsigned char h3,
                                                  unsigned char h4, unsigned char h5, unsigned int group,
                                                  unsigned int primitive, unsigned int* len);
