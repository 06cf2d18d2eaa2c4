#include "profiles/DKeyFunctionStore.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DKeyFunctionDescriber.h"
#include "profiles/DBoundMacroRefresh.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/include/StoreWriteBatch.h"

#include <cstring>

bool DKeyFunctionStore::takeSelection()
{
    DDataManager* data = DDataManager::getInstance();
    m_keyCode = data->currentKeyCode();
    m_keyLabel = data->currentKeyChar();
    m_profile.setIndex(data->currentProfileIndex());
    char path[DDataManager::kPathBufferSize] = {};
    data->copyCurrentProfilePath(path);
    return m_profile.setPath(path);
}

void DKeyFunctionStore::clearKey()
{
    m_keyCode = -1;
    m_keyLabel.clear();
}

bool DKeyFunctionStore::lookUp(const char* path, int profileIndex, int keyCode, keyOperateInfo* info)
{
    std::memset(info, 0, sizeof *info);
    std::strcpy(info->keyCode, "-1");
    std::strcpy(info->type, "-1");
    if (keyCode == -1 || !path || !path[0])
        return false;
    if (!COrvaneXML_SelectProFileKeyOperateInfo(path, QByteArray::number(profileIndex).constData(),
                                                QByteArray::number(keyCode).constData(), info))
        return false;
    return DKeyFunctionDescriber::leadingNumber(DFixedText::bytes(info->keyCode)) != -1;
}

int DKeyFunctionStore::typeOf(const keyOperateInfo& info)
{
    return DKeyFunctionType::of(info);
}

bool DKeyFunctionStore::load(keyOperateInfo* info) const
{
    return lookUp(path(), profileIndex(), m_keyCode, info);
}

bool DKeyFunctionStore::save(int type, const QByteArray& paramA, const QByteArray& paramB,
                             const QByteArray& value) const
{
    if (!hasKey() || !hasFile())
        return false;
    const QByteArray profile = profileText();
    const QByteArray key = keyText();
    const QByteArray label = m_keyLabel.toUtf8();
    // A key whose new function cannot be added keeps its old one: the delete
    // is given up with it.
    StoreWriteBatch batch;
    if (!COrvaneXML_DeleteProFileMacroWithKeyInfoItem(path(), profile.constData(), key.constData(), label.constData())
        || !COrvaneXML_AddProFileMacroWithKeyInfoItem(path(), profile.constData(), key.constData(), label.constData(),
                                                      QByteArray::number(type).constData(), paramA.constData(),
                                                      paramB.constData(), value.constData())) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}

bool DKeyFunctionStore::reset() const
{
    if (!hasKey() || !hasFile())
        return false;
    keyOperateInfo info;
    if (!load(&info))
        return true;
    const QByteArray profile = profileText();
    StoreWriteBatch batch;
    if (typeOf(info) == DKeyFunctionType::kMacro) {
        const QByteArray value = DFixedText::bytes(info.value);
        const QByteArray macroIndex = QByteArray::number(DKeyFunctionDescriber::leadingNumber(value));
        const int users = COrvaneXML_GetProFileValueNum(path(), profile.constData(), "1", value.constData());
        if (users == 1
            && !COrvaneXML_DeleteProFileBindMacroNode(path(), profile.constData(), macroIndex.constData(),
                                                      DBoundMacroRefresh::tagOf(macroIndex).constData())) {
            batch.abandon();
            return false;
        }
    }
    if (!COrvaneXML_DeleteProFileMacroWithKeyInfoItem(path(), profile.constData(), keyText().constData(),
                                                      m_keyLabel.toUtf8().constData())) {
        // The key keeps its macro, so the macro keeps its copy.
        batch.abandon();
        return false;
    }
    return batch.commit();
}
