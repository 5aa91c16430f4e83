#include "vocabulary/Member.h"

TMemberKind ClassifyMemberType(std::string_view memberType) {
  if (memberType == kTypeString) return TMemberKind::String;
  if (memberType == kTypeInteger) return TMemberKind::Integer;
  if (memberType == kTypeFloat) return TMemberKind::Float;
  if (memberType == kTypeDate) return TMemberKind::Date;
  if (memberType == kTypeImage) return TMemberKind::Image;
  return TMemberKind::Reference;
}

TFieldKind FieldKindOf(const TMember& member, const TMember* referencedKey) {
  switch (ClassifyMemberType(member.memberType)) {
    case TMemberKind::String: return TFieldKind::String;
    case TMemberKind::Integer: return TFieldKind::Integer;
    case TMemberKind::Float: return TFieldKind::Float;
    case TMemberKind::Date: return TFieldKind::Date;
    case TMemberKind::Image: return TFieldKind::Image;
    case TMemberKind::Reference: break;
  }
  return referencedKey && referencedKey->IsInteger() ? TFieldKind::IntegerReference
                                                     : TFieldKind::StringReference;
}
