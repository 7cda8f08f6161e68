// The SAP trace filter of the higher-layer stack: three lists of SAP
// identifiers (built-in, layer-2, user), each with an enabled flag, and the
// SAP filter message that tells the terminal which SAPs to trace. The host
// keeps one manager between dialog runs; the filter dialogs fill it.
#pragma once

#include <list>
#include <utility>

#include "orbel/Export.h"
#include "toolkit/Types.h"

// (SAP identifier, enabled). A disabled SAP takes no part in the message or
// in the SAP set.
using SapList = std::list<std::pair<unsigned int, bool>>;
using CDWordArray = tk::CDWordArray;

class ORBEL_EXPORT SapFilterManager {
 public:
  // Fills the built-in list (feature switch 130 is read here, once); the
  // other lists and the SAP set start empty.
  SapFilterManager();
  ~SapFilterManager();

  // Replaces the layer-2 list by a copy of `saps` and rebuilds the SAP set.
  void L2Sap(const SapList& saps);
  const SapList& L2Sap();
  // Replaces the user list by a copy of `saps`; the SAP set stays as it is.
  void UserSap(const SapList& saps);
  const SapList& UserSap();
  // The identifiers of the enabled layer-2 SAPs in list order, repeats kept.
  const CDWordArray& getSapSet();

  // The SAP filter message: type 0x33, a zero byte, the big-endian length
  // of the identifier list (4 x N), the N distinct enabled identifiers in
  // ascending order (32-bit big-endian), then one attribute byte for each
  // (2 when its flag is set, 1 otherwise). Layer-2 SAPs enter first with
  // their flag set, then the built-in and the user SAPs with m_attributeOn;
  // an identifier keeps the flag it entered with. `userOnly` leaves the
  // layer-2 and built-in lists out. The length field holds at most 16383
  // identifiers; the message then carries the 16383 lowest.
  //
  // The buffer (4 + 5 x N bytes) is allocated with new[] and belongs to the
  // caller, who releases it with delete[], never with free(). {null, 0} when
  // it cannot be built (memory ran out).
  std::pair<unsigned char*, int> CreateMessage(bool userOnly);

  // Attribute of the built-in and user SAPs in the message: 2 when true, 1 when false.
  bool m_attributeOn;
  // Whether the HLS filter dialog adds the standard SAP list; only stored here.
  bool m_standardSet;

 private:
  // The five built-in SAPs when feature switch 130 is on, else none.
  static SapList CreateBasicSap();
  std::pair<unsigned char*, int> buildMessage(bool userOnly) const;

  SapList m_basicSaps;
  SapList m_l2Saps;
  SapList m_userSaps;
  CDWordArray m_sapSet;
};
