#include "store/Member.h"

TMemberKind ClassifyMemberType(std::string_view memberType) {
  if (memberType == kTypeString) return TMemberKind::String;
  if (memberType == kTypeInteger) return TMemberKind::Integer;
  if (memberType == kTypeFloat) return TMemberKind::Float;
  if (memberType == kTypeDate) return TMemberKind::Date;
  if (memberType == kTypeImage) return TMemberKind::Image;
  return TMemberKind::Reference;
}

TFieldKind FieldKindOf(TMemberKind kind, bool referenceKeyIsInteger) {
  switch (kind) {
    case TMemberKind::String: return TFieldKind::String;
    case TMemberKind::Integer: return TFieldKind::Integer;
    case TMemberKind::Float: return TFieldKind::Float;
    case TMemberKind::Date: return TFieldKind::Date;
    case TMemberKind::Image: return TFieldKind::Image;
    case TMemberKind::Reference: break;
  }
  return referenceKeyIsInteger ? TFieldKind::IntegerReference : TFieldKind::StringReference;
}

std::string_view CSharpType(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::String: return "string";
    case TFieldKind::Integer: return "int";
    case TFieldKind::Float: return "float";
    case TFieldKind::Date: return "DateTime";
    case TFieldKind::Image: return "byte[]";
    case TFieldKind::IntegerReference: return "int";
    case TFieldKind::StringReference: return "string";
  }
  return "string";
}

std::string_view SqlDbTypeName(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::String: return "VarChar";
    case TFieldKind::Integer: return "Int";
    case TFieldKind::Float: return "Float";
    case TFieldKind::Date: return "DateTime";
    case TFieldKind::Image: return "Image";
    case TFieldKind::IntegerReference: return "Int";
    case TFieldKind::StringReference: return "VarChar";
  }
  return "VarChar";
}

std::string ReaderConversion(TFieldKind kind, const std::string& item) {
  switch (kind) {
    case TFieldKind::String: return item + ".ToString()";
    case TFieldKind::Integer: return "Convert.ToInt32(" + item + ")";
    case TFieldKind::Float: return "float.Parse(" + item + ".ToString())";
    case TFieldKind::Date: return "Convert.ToDateTime(" + item + ".ToString())";
    case TFieldKind::Image: return "(byte[])" + item;
    case TFieldKind::IntegerReference: return "Convert.ToInt32(" + item + ")";
    case TFieldKind::StringReference: return item + ".ToString()";
  }
  return item + ".ToString()";
}
