<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CamInfoDlg</name>
    <message>
        <source>Camera Information</source>
        <translation>カメラ情報</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware Versions</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>Camera Protocol</source>
        <translation>カメラプロトコル</translation>
    </message>
    <message>
        <source>Camera IP Address</source>
        <translation>カメラのIPアドレス</translation>
    </message>
    <message>
        <source>Camera Subnet Mask</source>
        <translation>カメラのサブネットマスク</translation>
    </message>
    <message>
        <source>Camera MAC Address</source>
        <translation>カメラのMACアドレス</translation>
    </message>
    <message>
        <source>Network Adp IP Address</source>
        <translation>アダプタのIPアドレス</translation>
    </message>
    <message>
        <source>Network Adp Subnet Mask</source>
        <translation>アダプタのサブネットマスク</translation>
    </message>
    <message>
        <source>Network Adp MTU</source>
        <translation>アダプタのMTU</translation>
    </message>
    <message>
        <source>Stored clips</source>
        <translation>保存済みクリップ</translation>
    </message>
</context>
<context>
    <name>ClipEditDlg</name>
    <message>
        <source>Camera clips</source>
        <translation>カメラのクリップ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Clip %1: %2 frames - %3 s</source>
        <translation>クリップ %1: %2 フレーム - %3 秒</translation>
    </message>
    <message>
        <source>Trim: %1 (%2 s) to %3 (%4 s) - %5 s
</source>
        <translation>トリム: %1 (%2 秒) から %3 (%4 秒) - %5 秒
</translation>
    </message>
</context>
<context>
    <name>IPEditDlg</name>
    <message>
        <source>Edit IP Address</source>
        <translation>IPアドレスの編集</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>サブネットマスク:</translation>
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
        <source>The subnet mask 0.0.0.0 cannot be used.</source>
        <translation>サブネットマスク 0.0.0.0 は使用できません。</translation>
    </message>
    <message>
        <source>The subnet mask must be ones followed by zeros, such as 255.255.255.0.</source>
        <translation>サブネットマスクは 1 の並びの後に 0 が続く形式にしてください (例: 255.255.255.0)。</translation>
    </message>
    <message>
        <source>The address 0.0.0.0 cannot be given to a camera.</source>
        <translation>アドレス 0.0.0.0 はカメラに設定できません。</translation>
    </message>
    <message>
        <source>The address 255.255.255.255 cannot be given to a camera.</source>
        <translation>アドレス 255.255.255.255 はカメラに設定できません。</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) cannot be given to a camera.</source>
        <translation>ループバックアドレス (127.x.x.x) はカメラに設定できません。</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) cannot be given to a camera.</source>
        <translation>マルチキャストアドレス (224.x.x.x～239.x.x.x) はカメラに設定できません。</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) cannot be given to a camera.</source>
        <translation>予約済みアドレス (240.x.x.x 以上) はカメラに設定できません。</translation>
    </message>
    <message>
        <source>This is the network address of its subnet; it cannot be given to a camera.</source>
        <translation>これはサブネットのネットワークアドレスです。カメラには設定できません。</translation>
    </message>
    <message>
        <source>This is the broadcast address of its subnet; it cannot be given to a camera.</source>
        <translation>これはサブネットのブロードキャストアドレスです。カメラには設定できません。</translation>
    </message>
    <message>
        <source>Enter the address and the mask as four numbers from 0 to 255, separated by dots.</source>
        <translation>アドレスとマスクは 0～255 の 4 つの数値をドットで区切って入力してください。</translation>
    </message>
    <message>
        <source>This address is outside the network adapter&apos;s subnet: the camera will be listed in red and may become unreachable.</source>
        <translation>このアドレスはネットワークアダプターのサブネット外です。カメラは赤で表示され、接続できなくなる可能性があります。</translation>
    </message>
    <message>
        <source>Another camera in the list already uses this address.</source>
        <translation>このアドレスはリスト内の別のカメラがすでに使用しています。</translation>
    </message>
    <message>
        <source>The network adapter itself uses this address.</source>
        <translation>このアドレスはネットワークアダプター自身が使用しています。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halvorn Varnix</source>
        <translation>Halvorn Varnix</translation>
    </message>
    <message>
        <source>&lt;b&gt;Network:&lt;/b&gt;</source>
        <translation>&lt;b&gt;ネットワーク:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Datagram size:&lt;/b&gt;</source>
        <translation>&lt;b&gt;データグラムサイズ:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Network preferences...</source>
        <translation>ネットワーク設定...</translation>
    </message>
    <message>
        <source>Update List</source>
        <translation>リストを更新</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>すべてのアダプタ (ブロードキャスト)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>最適</translation>
    </message>
    <message>
        <source>1500 (standard)</source>
        <translation>1500 (標準)</translation>
    </message>
    <message>
        <source>2920</source>
        <translation>2920</translation>
    </message>
    <message>
        <source>4360</source>
        <translation>4360</translation>
    </message>
    <message>
        <source>5800</source>
        <translation>5800</translation>
    </message>
    <message>
        <source>7240</source>
        <translation>7240</translation>
    </message>
    <message>
        <source>8680</source>
        <translation>8680</translation>
    </message>
    <message>
        <source>Edit IP Address...</source>
        <translation>IPアドレスの編集...</translation>
    </message>
    <message>
        <source>Camera Info...</source>
        <translation>カメラ情報...</translation>
    </message>
    <message>
        <source>Edit clips...</source>
        <translation>クリップの編集...</translation>
    </message>
    <message>
        <source>Jumbo datagram size is enabled on network adapter and disabled on cameras. Cameras may not work properly.</source>
        <translation>ネットワークアダプタではジャンボデータグラムが有効ですが、カメラでは無効です。カメラが正しく動作しない可能性があります。</translation>
    </message>
    <message>
        <source>Jumbo datagram size is disabled on network adapter and enabled on cameras. Cameras may not work properly.</source>
        <translation>ネットワークアダプタではジャンボデータグラムが無効ですが、カメラでは有効です。カメラが正しく動作しない可能性があります。</translation>
    </message>
    <message>
        <source>More than one camera have the same IP address. Right click and select &apos;Edit IP Address...&apos; to change IP address.</source>
        <translation>複数のカメラが同じIPアドレスを使用しています。右クリックして「IPアドレスの編集...」を選択し、IPアドレスを変更してください。</translation>
    </message>
    <message>
        <source>More than one camera have the same MAC address.</source>
        <translation>複数のカメラが同じMACアドレスを使用しています。</translation>
    </message>
    <message>
        <source>More than one camera have the same Serial Number.</source>
        <translation>複数のカメラが同じシリアル番号を持っています。</translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>カメラ %1</translation>
    </message>
    <message>
        <source>Cameras involved: %1</source>
        <translation>該当するカメラ: %1</translation>
    </message>
    <message>
        <source>Copy details</source>
        <translation>詳細をコピー</translation>
    </message>
    <message>
        <source>No program for the network settings was found. Please open the network settings of your system yourself.</source>
        <translation>ネットワーク設定のプログラムが見つかりませんでした。システムのネットワーク設定を手動で開いてください。</translation>
    </message>
</context>
<context>
    <name>UdpCamManager</name>
    <message>
        <source>Live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <source>Waiting for trigger</source>
        <translation>トリガー待ち</translation>
    </message>
    <message>
        <source>Recording post-trigger</source>
        <translation>ポストトリガー記録中</translation>
    </message>
    <message>
        <source>Images in memory</source>
        <translation>メモリに画像あり</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>SD/SSD Transfer</source>
        <translation>SD/SSD転送中</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>アイドル</translation>
    </message>
    <message>
        <source>Status not yet known</source>
        <translation>状態はまだ不明</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>応答なし</translation>
    </message>
</context>
</TS>
