#include "profiles/DMacroBindings.h"

#include "app/DFixedText.h"
#include "profiles/DBoundMacroRefresh.h"
#include "profiles/DKeyFunctionType.h"
#include "profiles/DMacroFile.h"
#include "profiles/DProfileFileSet.h"

#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QDir>
#include <QFile>

#include <list>

namespace {

bool hasFunction(const keyOperateInfo& key, int functionType, int value)
{
    bool valueOk = false;
    return DKeyFunctionType::of(key) == functionType && DFixedText::number(key.value, &valueOk) == value && valueOk;
}

} // namespace

bool DMacroBindings::profilesOf(const QByteArray& layerPath, QList<QByteArray>* out)
{
    std::list<profileNodeInfo> nodes;
    if (!COrvaneXML_SelectProFileAllNodes(layerPath.constData(), &nodes))
        return false;
    for (const profileNodeInfo& node : nodes)
        out->append(QByteArray::fromStdString(node.index));
    return true;
}

QList<QByteArray> DMacroBindings::layerFiles(const QString& userConfigDir)
{
    QList<QByteArray> files;
    const QDir top(userConfigDir);
    for (const QString& model : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir modelDir(top.filePath(model));
        for (const QString& serial : modelDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir keyboardDir(modelDir.filePath(serial));
            for (int layer = DProfileFileSet::DefaultLayer; layer <= DProfileFileSet::MagneticLayer; ++layer) {
                const QString file = keyboardDir.path() + DProfileFileSet::layerFileName(layer);
                // The store makes no file under a longer path, so none is
                // skipped here that could hold a binding.
                const QByteArray path = QFile::encodeName(file);
                if (QFile::exists(file) && path.size() < DProfileFileSet::kPathBufferSize)
                    files.append(path);
            }
        }
    }
    return files;
}

bool DMacroBindings::find(const QString& userConfigDir, int macroIndex, QList<Binding>* out)
{
    return findKeys(userConfigDir, DKeyFunctionType::kMacro, macroIndex, out);
}

bool DMacroBindings::findKeys(const QString& userConfigDir, int functionType, int value, QList<Binding>* out)
{
    out->clear();
    for (const QByteArray& layerPath : layerFiles(userConfigDir)) {
        QList<QByteArray> profiles;
        if (!profilesOf(layerPath, &profiles))
            return false;
        for (const QByteArray& profile : profiles) {
            std::list<keyOperateInfo> keys;
            if (!COrvaneXML_ProFileKeyInfoSelectAll(layerPath.constData(), profile.constData(), &keys))
                return false;
            for (const keyOperateInfo& key : keys) {
                if (hasFunction(key, functionType, value))
                    out->append({layerPath, profile, DFixedText::bytes(key.keyCode), DFixedText::bytes(key.keyName)});
            }
        }
    }
    return true;
}

bool DMacroBindings::unbind(const QList<Binding>& bindings)
{
    for (const Binding& binding : bindings) {
        if (!COrvaneXML_DeleteProFileMacroWithKeyInfoItem(binding.layerPath.constData(),
                                                          binding.profileIndex.constData(), binding.keyCode.constData(),
                                                          binding.keyName.constData()))
            return false;
    }
    return true;
}

bool DMacroBindings::removeMacro(DMacroFile& macroFile, const QString& userConfigDir, int macroIndex)
{
    if (!macroFile.isUsable() || macroIndex < 1)
        return false;
    QList<Binding> bindings;
    if (!find(userConfigDir, macroIndex, &bindings))
        return false;
    const QByteArray macro = QByteArray::number(macroIndex);
    const QByteArray tag = DBoundMacroRefresh::tagOf(macro);
    bool unbound = true;
    {
        StoreWriteBatch batch;
        unbound = unbind(bindings);
        // A profile may keep a copy with no key left bound to it; every
        // copy goes, a delete of none writes nothing.
        for (const QByteArray& layerPath : layerFiles(userConfigDir)) {
            QList<QByteArray> profiles;
            unbound = unbound && profilesOf(layerPath, &profiles);
            for (const QByteArray& profile : profiles) {
                unbound = unbound
                          && COrvaneXML_DeleteProFileBindMacroNode(layerPath.constData(), profile.constData(),
                                                                   macro.constData(), tag.constData());
            }
        }
        unbound = batch.commit() && unbound;
    }
    return unbound && macroFile.remove(macro);
}
