<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 처리 중</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>마지막 업로드: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>데이터베이스 오류가 발생했습니다. Tarrowind Backup을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>이 폴더는 다른 백업 폴더와 겹칩니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>NAS에 파일을 안전하게 보관하세요</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>최대 파일 크기:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다.\n계속 연결하시겠습니까?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>서버의 SSL 인증서가 변경되었습니다.\n새 인증서를 신뢰하고 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>이 크기보다 큰 파일은 백업되지 않습니다.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>연결 ID가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>크기에 관계없이 모든 파일을 백업하려면 0을 입력하십시오.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>로컬 네트워크에서 서버 검색</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>서버에서 사용자의 IP 주소를 차단했습니다.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>백업 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>NAS에 연결</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>이 계정에는 일회용 비밀번호(OTP)가 필요합니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>서버 검색 중...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>서버에서 대상 폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>서버에서 잘못된 응답을 보냈습니다.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>이 폴더는 이미 다른 작업에서 백업하고 있습니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>프록시 서버의 사용자 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>백업을 시작하기 전에 아래 설정을 확인하십시오.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>이 버전의 Tarrowind Backup은 더 이상 지원되지 않습니다. 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>업데이트 다운로드 중...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>백업 폴더</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>도움이 필요하십니까? 트레이 메뉴에서 [도움말]을 클릭하십시오.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>계정 확인 중...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>새 버전을 사용할 수 있습니다. 업데이트하려면 여기를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>서버의 SSL 인증서를 확인하지 못했습니다.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>예기치 않은 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>파일 확장자를 편집하려면 두 번 클릭하십시오.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>서버에서 세션을 생성하지 못했습니다.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>새 언어는 Tarrowind Backup을 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>제외된 폴더</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>서버가 변경되었습니다. 이 컴퓨터를 서버에 다시 연결하십시오.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup을 업그레이드하지 못했습니다.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>앞의 점(.)을 빼고 파일 확장자를 입력하십시오.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>로그인 시도 실패 횟수가 너무 많습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>서버의 SSL 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트 중...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>릴레이 서비스를 통해 연결</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>백업할 이 컴퓨터의 폴더와 NAS에서 보관할 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>파일은 NAS로만 복사되며, NAS에서 변경한 내용은 다시 복사되지 않습니다.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS의 디스크가 가득 찼습니다. 폴더를 백업할 수 없습니다.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup은 NAS에 폴더 사본을 보관하고 파일이 변경될 때마다 업데이트합니다.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Tarrowind Backup 열기</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>아니요, 괜찮습니다</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>이 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>프록시 서버의 주소와 포트를 입력하십시오.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>포트는 1에서 65535 사이의 숫자여야 합니다.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>프록시 서버에 인증 필요</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>전송 대기열</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>같은 이름의 공유 폴더가 이미 있습니다.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>요청이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>관리자가 이 계정에 2단계 인증을 요구합니다.\n먼저 NAS 설정에서 2단계 인증을 켜십시오.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>서버에서 지원되지 않는 버전을 실행하고 있습니다. NAS를 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>OTP 코드 입력:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>서버의 저장 공간 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\n버전 %1\nCopyright (C) Veltrona. All rights reserved.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>유효한 폴더를 선택하지 않았습니다.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>다음 확장자의 파일은 백업되지 않습니다:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 중 %1</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>연결 서비스에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>대상 폴더가 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>남은 파일 %1개</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>로컬 백업 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정 적용 중...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>백업에 실패했습니다.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>대상:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>이 서버는 이 컴퓨터가 연결된 서버가 아닙니다.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>공유 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>NAS에서 사용자 홈 서비스가 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>공유 폴더가 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>이 사용자 계정은 비활성화되었습니다.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>백업할 폴더 선택:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL 암호화 사용</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>네트워크 오류입니다. 연결 상태를 확인하십시오.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>잠김</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>이 컴퓨터에서 폴더 선택</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다. 폴더를 백업할 수 없습니다.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>파일은 이 컴퓨터에서 NAS로 복사됩니다.\nNAS에서 변경한 내용은 다시 복사되지 않습니다.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>원본 폴더의 일부 파일을 읽을 수 없어 건너뜁니다.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>업데이트를 다운로드했습니다. 설치를 위해 Tarrowind Backup이 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>폴더를 확인하는 중에 시스템 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>이 작업의 방향이 서버에 설정된 방향과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>공유됨</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>백업할 이 컴퓨터의 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>서버의 SSL 인증서가 변경되었습니다. 폴더를 백업할 수 없습니다.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>초기화에 실패했습니다.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>백업 폴더 선택</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>이 컴퓨터에서 삭제된 파일을 NAS에 유지</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>이 폴더는 백업할 수 없습니다.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>디스크가 가득 찼습니다. 공간을 확보한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>제외된 파일 확장자</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>폴더를 확인하는 중에 네트워크 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>NAS 주소와 계정 정보를 입력하십시오.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>이 컴퓨터와 서버의 연결을 해제하시겠습니까?\n다시 연결할 때까지 백업이 중지됩니다.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 인증서 경고</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup을 초기화하는 중...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>서버의 저장 공간 할당량을 모두 사용했습니다. 폴더를 백업할 수 없습니다.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>연결 테스트 중...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>공유 폴더의 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>이 공유 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Tarrowind Backup에 오신 것을 환영합니다.\n이 마법사를 사용하면 이 컴퓨터의 폴더를 NAS에 백업할 수 있습니다.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>로그인할 때 Tarrowind Backup 시작</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>폴더를 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup이 준비되었습니다.</translation>
    </message>
</context>
</TS>
