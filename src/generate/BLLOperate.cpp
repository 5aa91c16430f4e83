#include "generate/BLLOperate.h"

void TBLLOperate::Generate(TGeneratorContext&, const TNameList&) {}
