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
</context>
</TS>
