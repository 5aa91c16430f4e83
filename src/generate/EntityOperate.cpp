#include "generate/EntityOperate.h"

void TEntityOperate::Generate(TGeneratorContext&, const TNameList&) {}
