#include "ui/widgets/CbNoticeInterface.h"

CbNoticeInterface::~CbNoticeInterface() = default;
