<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>軟體退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>發生衝突，軟體已停止運作！</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>當機報告已儲存至：</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>請先選擇一個按鍵</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>設定失敗，文字為空</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>設定失敗，無法儲存設定檔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>結束(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>僅在此視窗取得焦點時才會擷取按鍵。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>啟動應用程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷功能</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>鍵盤設定</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>鍵盤燈光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>側燈</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>小算盤</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖 Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>鎖定 Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解鎖 Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>藍牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>藍牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>藍牙 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切換到 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切換到 USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈效</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向循環</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切換為全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切換下層顏色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自訂 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自訂 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>燈光錄製</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>關閉側燈</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暫停側燈</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>無法重新對應</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>下載設定成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下載設定失敗，請重試</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>有 %n 個按鍵綁定了巨集，但鍵盤只能儲存 %1 個。未傳送任何內容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>有 %n 個按鍵綁定了進階按鍵，但鍵盤只能儲存 %1 個。未傳送任何內容。</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>按鍵 %1 上的組合鍵包含兩個以上的修飾鍵，鍵盤無法儲存。未傳送任何內容。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連接</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>全鍵校準中 ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>裝置離線</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>該裝置已選取</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>燈光設定</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>觸發設定</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空白鍵</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>載入中</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 鎖開啟時：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>停用 Windows 鍵</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>停用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>停用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>停用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>燈光進入休眠：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤進入休眠：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>鍵盤內容</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重設目前設定檔</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>燈光進入休眠的時間不能長於鍵盤進入休眠的時間</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>鍵盤進入休眠的時間太短</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠時間已設定</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠時間設定失敗</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>按鍵校準中，請稍候</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>休眠時間超出範圍</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>建立設定檔成功</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改設定檔成功</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>設定檔數量已達上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>建立失敗，該序號的設定檔已存在，請檢查</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一個設定檔</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>該設定檔不存在</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>設定檔名稱不能為空</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>檔案 %1 已存在。是否取代？</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇匯入檔案</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>建立設定檔失敗</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>刪除設定檔失敗</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改設定檔失敗</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 已損壞，已從備份還原；損壞的檔案已移至 %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 已損壞，已重新建立為空白檔案；損壞的檔案已移至 %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 已損壞且無法移開；其設定無法使用</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重設目前的設定檔？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔 (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>鍵盤尚未就緒；一有回應就會載入</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>沒有需要更新韌體的鍵盤</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>燈光</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>觸發</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>按下（觸發）</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>釋放（復位）</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>行程追蹤</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下與釋放靈敏度</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>快速觸發</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置靈敏度</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按鍵防抖</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>按鍵校準模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>開始校準</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>停止校準</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>依據您按下或放開按鍵的意圖，自訂調整觸發行程與重置行程。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>您可以分別設定快速觸發按下（觸發）與放開（重置）的行程值。</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全鍵校準</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.先進入按鍵校準模式；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.選擇一個按鍵；</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.按一下「開始校準」；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.按下所選按鍵；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.回傳按鍵校準結果；</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>開啟時，只有完全放開按鍵，快速觸發才會結束。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>關閉時，按鍵放開回到觸發鍵程之上即結束快速觸發。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>設定觸發鍵程：按鍵按下多深才觸發。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>開啟全鍵校準後，請按下所有按鍵以完成校準。</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>快速觸發</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>依據您按下或放開按鍵的意圖，自訂調整觸發行程與重置行程。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>二段靈敏度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>您可以分別設定快速觸發按下（觸發）與放開（重置）的行程值。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>按下/釋放</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>釋放</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按鍵防抖</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>進入校準模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>開始校準</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全鍵校準</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>力度追蹤</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置靈敏度</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.說明</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.說明</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.說明</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.說明</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.說明</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>說明</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>（輕按）按鍵重新對應</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>（重按）組合鍵</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+空白鍵</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>貪吃蛇</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>按鍵響應</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>極光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度響應</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自動漣漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>條紋</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>煙火</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音樂律動</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>檔案超過 %1 MB，無法匯入</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>未儲存：檔案將超過 %1 MB。未做任何變更。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>無法建立目錄 %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>目錄 %1 的路徑過長</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 超過 %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>無法讀寫 %1</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>無法開啟 %1 的設定檔：%2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>要匯入的設定檔中的按鍵會啟動以下程式：

%1

是否連同這些按鍵匯入設定檔？否則不會匯入任何內容。</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>請先開啟按鍵校準模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按鍵校準成功</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按鍵校準中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按鍵校準失敗</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>巨集錄製</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>巨集清單</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>預設延遲</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>開始錄製巨集</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止錄製巨集</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件數量已達上限</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>請先選擇具體位置</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件清單</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>錄製內容為空</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在事件後插入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在事件前插入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請按下按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>請輸入延遲</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>已新增巨集</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>已刪除巨集</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>巨集名稱不可為空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>巨集名稱已修改</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>請先選擇巨集</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>已清除巨集</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>無法儲存巨集檔案</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>無法讀取巨集檔案</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>有 %n 個按鍵綁定了此巨集。刪除巨集後，這些按鍵將恢復預設功能。是否刪除？</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>一般按鍵</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊按鍵</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 動作的觸發鍵程</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>無法儲存進階按鍵檔案</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>產品名稱：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新進度：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>韌體更新期間請勿拔除裝置！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>韌體更新成功</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>2.4 GHz 接收器</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>韌體更新失敗</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>巨集錄製</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>巨集清單</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>預設延遲</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件清單</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>錄製內容為空</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在事件後插入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在事件前插入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請按下按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>請輸入延遲</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>一般按鍵</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊按鍵</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 動作的觸發鍵程</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自訂方案名稱不能為空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>自訂方案名稱已修改</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>自訂方案名稱修改失敗</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層顏色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自訂方案</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>鍵盤/側燈</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>由中心向外</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>由外向中心</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>順時針</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>逆時針</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>側燈：%1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>先在圖中選擇按鍵，再選取顏色。</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>在鍵盤上使用此方案</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>該裝置沒有側燈</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>燈光設定無法儲存或傳送到鍵盤。</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>設定鍵盤的按鍵、燈光和設定檔</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>開機啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>開機時自動啟動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>關閉時最小化到系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>檢查韌體更新</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>韌體資訊</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>正在監聽：請按下按鍵，或在下方選擇</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>重新對應為哪個鍵？</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>輸入按鍵？</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>播放類型</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1、2、3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>請先錄製巨集</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>選擇應用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的檔案</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>文字過長，放不下的部分未加入</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>自訂方案</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>開機啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>開機時自動啟動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>關閉時最小化到系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>檢查韌體更新</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支援</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>傳送意見回饋</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>應用軟體</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>韌體資訊</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>燈光模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層顏色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自訂方案</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>重新對應為哪個鍵？</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>輸入按鍵？</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>選擇應用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的檔案</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>按一下</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住時長</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>尚無進階按鍵</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>該按鍵有兩種功能：按住按鍵為一種，按一下按鍵為另一種。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>按一下此按鍵可開啟或關閉連續觸發。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>按一下</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住時長</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>尚無進階按鍵</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>該按鍵有兩種功能：按住按鍵為一種，按一下按鍵為另一種。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>按一下此按鍵可開啟或關閉連續觸發。</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>選擇「單鍵」時，只需按一下某個按鍵即可完成按鍵設定；</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>選擇「組合鍵」時，需要至少選擇一個組合修飾鍵和一個其他按鍵才能完成組合鍵的輸入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>該按鍵可實現四種功能：可依四種不同的按壓深度綁定 1 到 4 個功能。</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>進階按鍵建立成功</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>進階按鍵刪除成功</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>進階按鍵數量已達上限</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>有 %n 個按鍵綁定了此進階按鍵。刪除後，這些按鍵將恢復預設功能。是否刪除？</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>開啟巨集檔案</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>巨集檔案 (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>匯出巨集成功</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>匯入巨集成功</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>匯出巨集失敗：無法讀取該巨集</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>匯出巨集失敗：無法寫入 %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>匯入巨集失敗：%1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>無法開啟檔案</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>檔案大於 %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>檔案不是完整的 XML 文件</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>檔案中沒有事件</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>檔案中的事件過多（最多 %1 個）</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>事件 %1 的某個值超出其欄位長度</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>事件 %1 的標記不是十進位數字</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>事件 %1 的延遲不是 0 到 %2 之間的數字</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>事件 %1 既不是鍵盤事件也不是滑鼠事件</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>事件 %1 的鍵碼不是 %2 到 %3 之間的數字</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>事件 %1 的滑鼠代碼不對應任何滑鼠按鍵</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>事件 %1 既不是按下也不是放開</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>標記 %1 沒有恰好一次按下及其後的一次放開</translation>
    </message>
</context>
</TS>
