<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>소프트웨어 종료</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>충돌이 발생하여 소프트웨어가 중지되었습니다!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>충돌 보고서가 저장된 위치:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>키보드에 저장</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>먼저 키를 선택하십시오</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>텍스트가 비어 있어 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>프로필을 저장할 수 없어 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누르기</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누르기</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>키는 이 창에 포커스가 있는 동안에만 입력받습니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>애플리케이션 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기 키</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>키보드 설정</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>측면 조명</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기 +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기 -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G 전환</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB 전환</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>인터랙티브 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>위쪽 색상 변경</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>아래쪽 색상 변경</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>측면 조명 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>측면 조명 정지</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>재지정할 수 없음</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>키보드에 저장했습니다</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>키보드에 저장하지 못했습니다. 다시 시도하십시오</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n개의 키에 매크로가 지정되어 있지만 키보드는 %1개만 저장할 수 있습니다. 아무것도 전송되지 않았습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n개의 키에 고급 키가 지정되어 있지만 키보드는 %1개만 저장할 수 있습니다. 아무것도 전송되지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>%1 키의 키 조합에 보조 키가 두 개를 넘게 포함되어 있어 키보드에 저장할 수 없습니다. 아무것도 전송되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않음</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>모든 키 보정 중 ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>장치가 오프라인입니다</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>이미 선택된 장치입니다</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 설정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>트리거 설정</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>키보드에 저장</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 비활성화</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 비활성화</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전 진입:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전 진입:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>절전 금지</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>조명 절전 시간은 키보드 절전 시간보다 길 수 없습니다</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>키보드 절전 시간이 너무 짧습니다</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>절전 시간이 설정되었습니다</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>절전 시간 설정에 실패했습니다</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>키 보정 중입니다. 잠시 기다리십시오</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>절전 시간이 허용 범위를 벗어났습니다</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>프로필을 만들었습니다</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필을 수정했습니다</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>작업을 완료했습니다</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>만들지 못했습니다. 이 번호의 프로필이 이미 있습니다. 확인하십시오</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필이 하나 이상 있어야 합니다</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>이 프로필이 없습니다</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>프로필 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>%1 파일이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장할 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하십시오</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>프로필을 만들지 못했습니다</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>프로필을 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>프로필을 수정하지 못했습니다</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>작업에 실패했습니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필을 내보내지 못했습니다</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 파일이 손상되어 백업에서 복원했습니다. 손상된 파일은 %2(으)로 옮겼습니다</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 파일이 손상되어 빈 파일로 다시 만들었습니다. 손상된 파일은 %2(으)로 옮겼습니다</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 파일이 손상되었고 옮길 수 없습니다. 해당 설정을 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일 (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>키보드가 아직 준비되지 않았습니다. 응답하는 즉시 불러옵니다</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 바꾸기</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>펌웨어 업데이트가 필요한 키보드가 없습니다</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>조명</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>트리거</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>누름(작동)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>뗌(복귀)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>이동 거리 추적</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>누름 및 뗌 감도</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 초기화</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>키 디바운스</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>키 보정 모드</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>보정 중지</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 떼려는 의도에 맞게 트리거 거리와 리셋 거리를 조정하십시오.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(트리거)과 뗌(리셋) 거리를 따로 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>모든 키 보정</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.먼저 키 보정 모드로 전환합니다;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.키를 하나 선택합니다;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3."보정 시작"을 클릭합니다;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.선택한 키를 누릅니다;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.키 보정 결과가 표시됩니다;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>켜짐: 키를 완전히 떼어야만 래피드 트리거가 종료됩니다.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>꺼짐: 키를 떼면서 작동 지점을 지나면 래피드 트리거가 종료됩니다.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>작동 지점(키가 입력되기까지 눌러야 하는 깊이)을 설정합니다.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>모든 키 보정 중에는 모든 키를 눌러 보정을 완료하십시오.</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 떼려는 의도에 맞게 트리거 거리와 리셋 거리를 조정하십시오.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>보조 감도</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(트리거)과 뗌(리셋) 거리를 따로 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>누름/뗌</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>뗌</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>키 디바운스</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>보정 모드로 전환</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>모든 키 보정</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>강도 추적</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 초기화</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.설명</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.설명</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.설명</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.설명</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.설명</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>설명</translation>
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
        <translation>(가볍게 누름) 키 재지정</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(세게 누름) 키 조합</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+스페이스</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>호흡</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>잔물결</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>십자</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 잔물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>끄기</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누르기</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누르기</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>파일이 %1MB보다 커서 가져올 수 없습니다</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>저장되지 않음: 파일이 %1MB보다 커집니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>%1 폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>%1 폴더의 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 파일이 %2MB보다 큽니다</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 파일을 읽거나 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>%1의 프로필을 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>가져올 프로필의 키가 다음 프로그램을 실행합니다:

%1

이 키를 포함하여 프로필을 가져오시겠습니까? 가져오지 않으면 아무것도 가져오지 않습니다.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>먼저 키 보정 모드를 켜십시오</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>키 보정에 성공했습니다</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>키 보정 중입니다</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>키 보정에 실패했습니다</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 목록</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>녹화된 지연</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
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
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화를 시작했습니다</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화를 중지했습니다</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>이벤트 수가 한도에 도달했습니다</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 목록에서 위치를 선택하십시오</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>삽입했습니다</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>변경했습니다</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화된 내용이 없습니다</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>이벤트 뒤에 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>이벤트 앞에 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 누르십시오</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하십시오</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로를 추가했습니다</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로를 삭제했습니다</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름을 입력하십시오</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하십시오</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로를 비웠습니다</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>매크로 파일을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>매크로 파일을 읽지 못했습니다</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>이 매크로가 %n개의 키에 지정되어 있습니다. 매크로를 삭제하면 키가 기본 기능으로 돌아갑니다. 삭제하시겠습니까?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 동작의 작동 지점</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>고급 키 파일을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>제품명:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>진행률:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>펌웨어를 업데이트하는 동안 키보드를 분리하지 마십시오!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>펌웨어 업데이트 완료</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>케이블</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>2.4GHz 수신기</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>펌웨어 업데이트 실패</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 동작</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 목록</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>녹화된 지연</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화된 내용이 없습니다</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>이벤트 뒤에 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>이벤트 앞에 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 누르십시오</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하십시오</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 바꾸기</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 동작의 작동 지점</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>사용자 지정 구성 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>사용자 지정 구성 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>사용자 지정 구성 이름을 변경하지 못했습니다</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>위쪽 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>아래쪽 색상</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 지정 구성</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>키보드/측면 조명</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>오른쪽으로</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>왼쪽으로</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>중앙에서 바깥으로</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>바깥에서 중앙으로</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>시계 방향</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>시계 반대 방향</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>측면 조명: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>그림에서 키를 선택한 다음 색을 고르십시오.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>이 구성을 키보드에서 사용</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>이 장치에는 측면 조명이 없습니다</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>조명 설정을 저장하거나 키보드로 보내지 못했습니다.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>키보드의 키, 조명, 프로필을 설정합니다</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫을 때 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업데이트 확인</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>설정이 저장되었습니다</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>설정을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>가상 키보드</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>입력 대기 중: 키를 누르거나 아래에서 선택하세요</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>재지정할 키는?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>키 입력?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>한/영</translation>
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
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>먼저 매크로를 녹화하십시오</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>애플리케이션 파일을 선택하십시오</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>애플리케이션 선택</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>텍스트가 너무 길어 들어가지 않는 부분은 추가되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>사용자 지정 구성</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫을 때 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업데이트 확인</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>응용 소프트웨어</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>핑크</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>조명 모드</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>위쪽 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>아래쪽 색상</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 지정 구성</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <translation>가상 키보드</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누르기</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누르기</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>재지정할 키는?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누르기</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누르기</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>키 입력?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>애플리케이션 파일을 선택하십시오</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>애플리케이션 선택</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>누르고 있기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>누름 유지 시간</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 누르고 있을 때 하나, 클릭할 때 다른 하나입니다.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 클릭하면 연속 입력이 켜지거나 꺼집니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>누르고 있기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>누름 유지 시간</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 누르고 있을 때 하나, 클릭할 때 다른 하나입니다.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 클릭하면 연속 입력이 켜지거나 꺼집니다.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>&apos;단일 키&apos;를 선택한 경우 키 하나를 클릭하면 설정이 완료됩니다.</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&apos;키 조합&apos;을 선택한 경우 보조 키를 하나 이상 고른 뒤 다른 키 하나를 골라야 조합이 완성됩니다(예: L_Shift+A, L_Shift+L_Ctrl+A).</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>이 키는 네 가지 기능을 수행할 수 있습니다. 네 가지 누름 깊이에 1~4개의 기능을 지정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>고급 키를 만들었습니다</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>고급 키를 삭제했습니다</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>고급 키 수가 최대에 도달했습니다</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>이 고급 키에 %n개의 키가 지정되어 있습니다. 삭제하면 해당 키는 기본 기능으로 돌아갑니다. 삭제하시겠습니까?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일 (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로를 내보냈습니다</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로를 가져왔습니다</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>매크로를 내보내지 못했습니다: 매크로를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>매크로를 내보내지 못했습니다: %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>매크로를 가져오지 못했습니다: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>파일을 열 수 없습니다</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>파일이 %1MB보다 큽니다</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>파일이 완전한 XML 문서가 아닙니다</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>파일에 이벤트가 없습니다</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>파일의 이벤트가 너무 많습니다(최대 %1개)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>이벤트 %1의 값이 필드보다 깁니다</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>이벤트 %1의 마크가 10진수가 아닙니다</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>이벤트 %1의 지연이 0~%2 사이의 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>이벤트 %1은(는) 키보드 이벤트도 마우스 이벤트도 아닙니다</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>이벤트 %1의 키 코드가 %2~%3 사이의 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>이벤트 %1의 마우스 코드가 어떤 마우스 버튼도 가리키지 않습니다</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>이벤트 %1은(는) 누름도 놓음도 아닙니다</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>마크 %1에 누름과 그 뒤의 놓음이 정확히 하나씩 있지 않습니다</translation>
    </message>
</context>
</TS>
