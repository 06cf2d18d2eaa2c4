<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>ソフトウェアの終了</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>競合が発生し、ソフトウェアが停止しました！</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>クラッシュレポートの保存先:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>キーボードに書き込む</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>先にキーを選択してください</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>テキストが空のため設定に失敗しました</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>プロファイルを保存できなかったため設定に失敗しました</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
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
        <translation>元のサイズに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>終了(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>キーはこのウィンドウにフォーカスがある間だけ取得されます。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キー割り当て</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効化</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>プロファイル切り替え</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>アプリケーションの起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>キーボード設定</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>サイドライト</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンストキー</translation>
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
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>中央クリック</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上にスクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下にスクロール</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>ウィンドウの切り替え</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Winキーのロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Winキーをロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Winキーのロック解除</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>デフォルトレイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1レイヤー</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>バッテリー残量の確認</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4Gに切り替え</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USBに切り替え</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライティング</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクティブライティング</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライティング</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>スタティック</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
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
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上部の色を変更</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下部の色を変更</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべて消灯</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトを消灯</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライティングの記録</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>サイドライトを消灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>サイドライトを停止</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>割り当て変更不可</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>キーボードへの書き込みが完了しました</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>キーボードへの書き込みに失敗しました。もう一度お試しください</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n 個のキーにマクロが割り当てられていますが、キーボードに保存できるのは %1 個です。何も送信されませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n 個のキーにアドバンストキーが割り当てられていますが、キーボードに保存できるのは %1 個です。何も送信されませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>キー %1 のキーの組み合わせには修飾キーが 3 つ以上含まれており、キーボードに保存できません。何も送信されませんでした。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>デバイス一覧</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>全キーのキャリブレーション中 ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>デバイスはオフラインです</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>このデバイスは既に選択されています</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>アクチュエーション設定</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>キーボードに書き込む</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>デフォルトレイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win ロックがオンのとき：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows キーを無効にする</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB を無効にする</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB を無効にする</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 を無効にする</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライティングのスリープまで：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープまで：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>スリープを禁止</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>ライティングのスリープ時間はキーボードのスリープ時間より長くできません</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>キーボードのスリープ時間が短すぎます</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>スリープ時間を設定しました</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>スリープ時間の設定に失敗しました</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>キーのキャリブレーション中です。しばらくお待ちください</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>スリープ時間が範囲外です</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>プロファイルを作成しました</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイルを変更しました</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作が完了しました</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>プロファイル数が上限に達しました</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>作成に失敗しました。この番号のプロファイルは既に存在します。確認してください</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>少なくとも1つのプロファイルが必要です</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>このプロファイルは存在しません</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>プロファイル名を空にすることはできません</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>ファイル %1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>プロファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>プロファイルを削除できませんでした</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>プロファイルを変更できませんでした</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルをエクスポートできませんでした</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルをインポートできませんでした</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 が破損していたためバックアップから復元しました。破損したファイルは %2 に移動しました</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 が破損していたため空の状態で作り直しました。破損したファイルは %2 に移動しました</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 は破損しており、退避できませんでした。その設定は使用できません</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>キーボードの準備ができていません。応答があり次第読み込みます</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
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
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>ファームウェアのアップデートが必要なキーボードはありません</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>トリガー</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>押下（作動）</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>リリース（リセット）</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>ストローク追跡</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>押下とリリースの感度</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>キーのチャタリング防止</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>キーキャリブレーションモード</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>キャリブレーションを停止</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>キーを押すか離すかの意図に合わせて、トリガーストロークとリセットストロークを調整します。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（作動）とリリース（リセット）の距離を個別に設定できます。</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全キーのキャリブレーション</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.まずキーキャリブレーションモードに入ります；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.キーを1つ選択します；</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.「キャリブレーション開始」をクリックします；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.選択したキーを押します；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.キャリブレーションの結果が表示されます；</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>オン：ラピッドトリガーはキーを完全に離したときにのみ終了します。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>オフ：キーを離してアクチュエーションポイントを戻った時点でラピッドトリガーが終了します。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>アクチュエーションポイント（キーが反応するまでの押し込み距離）を設定します。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>全キーのキャリブレーション中は、すべてのキーを押してキャリブレーションを完了してください。</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>キーを押すか離すかの意図に合わせて、トリガーストロークとリセットストロークを調整します。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>セカンダリ感度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（作動）とリリース（リセット）の距離を個別に設定できます。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>押下/リリース</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>押下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>リリース</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>キーのチャタリング防止</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>キャリブレーションモードに入る</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全キーのキャリブレーション</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>強度追跡</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.説明</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.説明</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.説明</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.説明</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.説明</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>説明</translation>
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
        <translation>（軽押し）キーの割り当て変更</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>（強押し）キーの組み合わせ</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+スペース</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>ブリージング</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>トゥインクル</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>スピード反応</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>オートリップル</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>ストライプ</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>ミュージックリズム</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>コリジョン</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>ファイルが %1 MB を超えているため、インポートできません</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>保存されませんでした：ファイルが %1 MB を超えてしまいます。何も変更されていません。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>フォルダー %1 のパスが長すぎます</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 は %2 MB を超えています</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 を読み書きできません</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>%1 のプロファイルを開けません：%2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>インポートするプロファイルのキーが次のプログラムを起動します：

%1

これらのキーを含めてプロファイルをインポートしますか？しない場合は何もインポートされません。</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>先にキーキャリブレーションモードをオンにしてください</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>キーのキャリブレーションに成功しました</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>キーのキャリブレーション中です</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>キーのキャリブレーションに失敗しました</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクロ一覧</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>記録した遅延</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>既定の遅延</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>記録開始</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>記録停止</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>マクロの記録を開始しました</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>マクロの記録を停止しました</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>イベント数が上限に達しました</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>先にリストの位置を選択してください</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>挿入しました</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>変更しました</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録がありません</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベント挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>イベントの後に挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>イベントの前に挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを押してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>マクロを追加しました</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>マクロを削除しました</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>マクロ名を入力してください</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>マクロ名を変更しました</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>先にマクロを選択してください</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>マクロをクリアしました</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>マクロファイルを保存できませんでした</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>マクロファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n 個のキーにこのマクロが割り当てられています。マクロを削除すると、キーは既定の機能に戻ります。削除しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKSアクションのアクチュエーションポイント</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>アドバンストキーのファイルを保存できませんでした</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>進行状況：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェアのアップデート</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>ファームウェアのアップデート中はキーボードを取り外さないでください！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>ファームウェアのアップデートが完了しました</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>ケーブル</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>2.4 GHz レシーバー</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>ファームウェアのアップデートに失敗しました</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>マウス操作</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクロ一覧</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>記録した遅延</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>既定の遅延</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録がありません</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベント挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>イベントの後に挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>イベントの前に挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを押してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKSアクションのアクチュエーションポイント</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>カスタムスキーム名を空にすることはできません</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>カスタムスキーム名を変更しました</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>カスタムスキーム名を変更できませんでした</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
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
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上の色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下の色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>カスタムスキーム</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>キーボード/サイドライト</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>右へ</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>左へ</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>中心から外へ</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>外から中心へ</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>時計回り</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>反時計回り</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>サイドライト：%1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>画像でキーを選択し、色を選んでください。</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>このスキームをキーボードで使用</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>このデバイスにはサイドライトがありません</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>ライティング設定を保存できないか、キーボードに送信できませんでした。</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>キーボードのキー、ライティング、プロファイルを設定します</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時に起動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるときにトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアのアップデートを確認</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定を保存しました</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定を保存できませんでした</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>入力待ち：キーを押すか、下から選択してください</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>割り当てるキーは？</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>キーを入力？</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
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
        <translation>再生タイプ</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1、2、3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロを割り当て</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>プロファイルを割り当て</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>先にマクロを記録してください</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリケーションのファイルを選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>テキストが長すぎるため、収まらない部分は追加されませんでした</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>カスタムスキーム</translation>
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
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時に起動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるときにトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアのアップデートを確認</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>アプリケーションソフトウェア</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
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
        <translation>ライティングモード</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上の色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下の色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>カスタムスキーム</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
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
        <translation>仮想キーボード</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キー割り当て</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>割り当てるキーは？</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>キーを入力？</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>プロファイルを割り当て</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリケーションのファイルを選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンストキー</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>長押し</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>長押し時間</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>アドバンストキーはまだありません</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>単一キー</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>このキーには 2 つの機能があります。長押しで 1 つ、クリックでもう 1 つです。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>このキーをクリックすると連続入力のオン／オフが切り替わります。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>単一キー</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>長押し</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>長押し時間</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>アドバンストキーはまだありません</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>このキーには 2 つの機能があります。長押しで 1 つ、クリックでもう 1 つです。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>このキーをクリックすると連続入力のオン／オフが切り替わります。</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>「単一キー」を選んだ場合は、キーを 1 つクリックするだけで設定が完了します。</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>「キーの組み合わせ」を選んだ場合は、修飾キーを 1 つ以上選んでから別のキーを 1 つ選ぶと組み合わせが完成します（例：L_Shift+A、L_Shift+L_Ctrl+A）。</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>このキーは 4 つの機能を実行できます。4 段階の押し込みの深さに 1～4 個の機能を割り当てられます。</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>アドバンストキーを作成しました</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>アドバンストキーを削除しました</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>アドバンストキーの数が上限に達しました</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>このアドバンストキーには %n 個のキーが割り当てられています。削除するとそれらのキーは既定の機能に戻ります。削除しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>マクロファイルを開く</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>マクロファイル (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>マクロをエクスポートしました</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>マクロをインポートしました</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>マクロをエクスポートできませんでした：マクロを読み込めません</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>マクロをエクスポートできませんでした：%1 に書き込めません</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>マクロをインポートできませんでした：%1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>ファイルが %1 MB を超えています</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>ファイルが完全な XML 文書ではありません</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>ファイルにイベントがありません</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>ファイルのイベントが多すぎます（最大 %1）</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>イベント %1 の値がフィールドに対して長すぎます</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>イベント %1 のマークが 10 進数ではありません</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>イベント %1 の遅延が 0～%2 の数値ではありません</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>イベント %1 はキーボードイベントでもマウスイベントでもありません</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>イベント %1 のキーコードが %2～%3 の数値ではありません</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>イベント %1 のマウスコードはどのマウスボタンも表していません</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>イベント %1 は押下でもリリースでもありません</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>マーク %1 には押下とそれに続くリリースが 1 つずつありません</translation>
    </message>
</context>
</TS>
