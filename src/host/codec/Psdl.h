// The operations of the host's primitive-description codec: query a
// primitive's parameter type, make variables of it, show and edit them in a
// tree-list, encode and decode them, and write them as test scripts. Every
// operation takes the host's link first; an int result of 0 is success.
#pragma once

#include "host/codec/PsdlLink.h"
#include "toolkit/Types.h"

class CPsdlMBTree;

using CPsdlSystem_ns::tVLink;

// The parameter type of the primitive with these frame bytes (offsets 2 to
// 5) and PrimitiveId; "" when the primitive is not described or has no
// parameter. The text stays valid until the next query on the link.
const char* PsdlQueryParameter(tVLink* link, unsigned char h2, unsigned char h3, unsigned char h4, unsigned char h5,
                               unsigned int primitiveId);

// A new variable `varName` of `typeName`, every field at its default.
// Fails for an unknown type or a name already in use.
int PsdlNewVar(tVLink* link, const char* typeName, const char* varName);
// The variable and its buffer are gone. Fails for an unknown name.
int PsdlFreeVar(tVLink* link, const char* varName);

// Fills `tree` with one row per field (nested rows for structures and
// arrays). Editing a value in the tree writes it through to the variable,
// checked against the field's kind and range; a refused text leaves both as
// they were. Editing a counted array's element count adds or removes rows.
int PsdlDisplayToMBTree(tVLink* link, const char* varName, CPsdlMBTree* tree);

// Encodes the field values into the variable's buffer.
int PsdlGenerateMsg(tVLink* link, const char* varName);
// The variable's buffer, which stays the variable's. Fails while the
// variable has none (not encoded, not bound, or given back by PsdlFreeBuf).
int PsdlGetVarBuf(tVLink* link, const char* varName, unsigned char** block, unsigned int* length);

// A zeroed block of `size` bytes (at most 1 MiB) for PsdlBindVarBuf; null
// when refused.
unsigned char* PsdlNewBuf(tVLink* link, unsigned int size);
// The variable adopts the first `length` bytes of a block from PsdlNewBuf as
// its buffer; the block is used up.
int PsdlBindVarBuf(tVLink* link, const char* varName, unsigned char* block, unsigned int length);
// Decodes the variable's buffer into its field values; a buffer that is not
// exactly one encoding of the type fails and changes nothing.
int PsdlVarInterpret(tVLink* link, const char* varName);
// Gives back a block: a variable's buffer (the variable then has none) or
// an unbound block from PsdlNewBuf.
int PsdlFreeBuf(tVLink* link, unsigned char* block);

// Script modes: the high half says which part to write, the low half which
// form. The part 0x1 declares the variable and sets its fields (or, for a
// message, sends the primitive); 0x2 sends the variable's primitive (or, for
// a message, awaits it).
inline constexpr unsigned int kPsdlScriptVariableForm = 0x0107;
inline constexpr unsigned int kPsdlScriptMessageForm = 0x0104;
inline constexpr unsigned int kPsdlScriptCompose = 0x10000;
inline constexpr unsigned int kPsdlScriptPlay = 0x20000;

// Appends Tcl lines for the variable to `text` (data/README.md describes
// the commands).
int PsdlVarGenerateScript(tVLink* link, const char* varName, unsigned int mode, tk::CString& text);
// Appends Tcl lines that play a complete diagnostic message (its length is
// its own first word): its fields, then `orbel::send` (mode 0x10104) or
// `orbel::await` (0x20104). The last two arguments are kept for the host's
// calling convention.
int PsdlVarGenerateScript(tVLink* link, const unsigned char* message, unsigned int mode, tk::CString& text, int, int);
