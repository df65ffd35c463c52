#include "bank_entry.h"

// The questions keep one literal for each line of their texts.
// clang-format off
namespace examdeck {

const bank_entry questions_177_228[52] = {
    {   // 177
        .question_text = u"Type the global configuration command that enables IP RIP on the router and enters router configuration mode for it.",
        .explanation = u"The router rip command starts RIP and enters router configuration mode for it.\r\n"
                       u"Network commands then name the classful networks whose interfaces send and receive RIP updates.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"router rip"}},
    },
    {   // 178
        .question_text = u"What is the default administrative distance of RIP routes on the router?",
        .explanation = u"RIP routes have a default administrative distance of 120; internal EIGRP uses 90, IGRP 100 and OSPF 110.",
        .question_type = multi_answer,
        .choices = {{0, u"90"}, {0, u"100"}, {0, u"110"}, {1, u"120"}},
    },
    {   // 179
        .question_text = u"Which two statements about RIP version 1 are true?",
        .explanation = u"RIP version 1 is a distance-vector protocol that counts hops and broadcasts its whole table every 30 seconds.\r\n"
                       u"Its updates carry no subnet mask, so the receiver applies its own interface mask within the same major network and the classful mask otherwise.\r\n"
                       u"For that reason it cannot support variable-length subnet masks; RIP version 2 adds the mask to each route.",
        .question_type = multi_answer,
        .choices = {{1, u"It sends its full routing table every 30 seconds"},
                    {0, u"It carries the subnet mask in each route entry"},
                    {1, u"It uses hop count as its metric"},
                    {0, u"It supports variable-length subnet masks"}},
    },
    {   // 180
        .question_text = u"Which loop-prevention mechanism stops the router from advertising a route out of the interface on which it learned that route?",
        .explanation = u"Split horizon never sends a route back through the interface it was learned on.\r\n"
                       u"This keeps two neighbours from bouncing a lost route between them and counting to infinity.",
        .question_type = multi_answer,
        .choices = {{1, u"split horizon"}, {0, u"hold-down timers"}, {0, u"triggered updates"}},
    },
    {   // 181
        .question_text = u"Which mechanism makes the router ignore, for a fixed period, updates that could wrongly reinstate a route it has just marked as possibly down?",
        .explanation = u"Hold-down timers keep stale updates from reinstating a failed route while news of the failure spreads.",
        .question_type = multi_answer,
        .choices = {{0, u"split horizon"}, {1, u"hold-down timers"}, {0, u"triggered updates"}},
    },
    {   // 182
        .question_text = u"By default, how many seconds does the router wait between periodic RIP routing updates? Type the number only.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"30"}},
    },
    {   // 183
        .question_text = u"In router configuration mode for RIP, which single command makes the router send and receive only RIP version 2 packets on all its RIP interfaces?",
        .question_type = multi_answer,
        .choices = {{0, u"ip rip send version 2"}, {0, u"rip version 2"}, {1, u"version 2"}, {0, u"ip rip receive version 2"}},
    },
    {   // 184
        .question_text = u"What is the largest hop count that RIP still treats as a reachable route?",
        .explanation = u"A metric of 16 means unreachable, so the farthest network in the router\u2019s RIP table can be at most 15 hops away.",
        .question_type = multi_answer,
        .choices = {{0, u"16"}, {0, u"30"}, {1, u"15"}, {0, u"100"}, {0, u"224"}, {0, u"255"}},
    },
    {   // 185
        .question_text = u"How many seconds after the last update for a RIP route does the router, by default, flush that route from its routing table?",
        .explanation = u"RIP flushes routes after 240 s.",
        .question_type = multi_answer,
        .choices = {{0, u"30"}, {0, u"90"}, {0, u"180"}, {1, u"240"}, {0, u"270"}},
    },
    {   // 186
        .question_text = u"Which command displays the RIP update, invalid, hold-down and flush timers in use on the router?",
        .explanation = u"show ip protocols lists each running routing process with its timers, the networks it routes for and its sources.\r\n"
                       u"show ip route rip only lists the routes RIP has placed in the routing table.\r\n"
                       u"debug ip rip shows the updates as they are sent and received, not the timer settings.",
        .question_type = multi_answer,
        .choices = {{0, u"show ip route rip"}, {1, u"show ip protocols"}, {0, u"debug ip rip"}},
    },
    {   // 187
        .question_text = u"Which two statements about weighted fair queuing on the router are true?",
        .explanation = u"Weighted fair queuing sorts packets into conversations by itself and serves light, interactive flows ahead of heavy ones.",
        .question_type = multi_answer,
        .choices = {{0, u"It has exactly four queues: high, medium, normal and low"},
                    {1, u"It sorts traffic into conversations by itself, with no access lists"},
                    {0, u"It serves up to 16 queues in round robin by byte count"},
                    {1, u"It favours low-volume conversations over high-volume ones"},
                    {0, u"It is enabled with the priority-group interface command"}},
    },
    {   // 188
        .question_text = u"Type the interface configuration command that enables weighted fair queuing, giving no optional arguments so that every parameter keeps its default.",
        .explanation = u"The fair-queue interface command with no arguments turns on weighted fair queuing with the default discard threshold and queue count.\r\n"
                       u"On slow serial interfaces weighted fair queuing is usually already on; no fair-queue returns the interface to FIFO.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"fair-queue"}},
    },
    {   // 189
        .question_text = u"With priority queuing, into which queue does the router put packets that match no entry of the priority list?",
        .explanation = u"Unclassified packets go to the normal queue unless a priority-list default command names another queue.",
        .question_type = multi_answer,
        .choices = {{0, u"high"}, {0, u"medium"}, {1, u"normal"}, {0, u"low"}},
    },
    {   // 190
        .question_text = u"Which queuing method can starve lower-priority traffic because it always empties the higher queues first?",
        .question_type = multi_answer,
        .choices = {{1, u"priority queuing"}, {0, u"custom queuing"}, {0, u"weighted fair queuing"}, {0, u"first-in, first-out queuing"}},
    },
    {   // 191
        .question_text = u"Which queuing method serves up to 16 user queues in round robin, taking a configured number of bytes from each queue in turn?",
        .explanation = u"Custom queuing is defined with queue-list commands and applied with custom-queue-list on the interface.\r\n"
                       u"Each queue gets a share of the link in proportion to its byte count, so no queue is ever starved.\r\n"
                       u"Priority queuing, by contrast, always serves its high queue first and can starve the others.",
        .question_type = multi_answer,
        .choices = {{0, u"priority queuing"}, {1, u"custom queuing"}, {0, u"weighted fair queuing"}, {0, u"first-in, first-out queuing"}},
    },
    {   // 192
        .question_text = u"Which two queuing methods require the administrator to write lists that classify the traffic into queues?",
        .question_type = multi_answer,
        .choices = {{1, u"priority queuing"}, {1, u"custom queuing"}, {0, u"weighted fair queuing"}, {0, u"first-in, first-out queuing"}},
    },
    {   // 193
        .question_text = u"Type the interface configuration command that applies priority list 2 to the interface.",
        .explanation = u"priority-group assigns a priority list to an interface; custom queue lists use custom-queue-list instead.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"priority-group 2"}},
    },
    {   // 194
        .question_text = u"Which command puts Telnet traffic (TCP port 23) into the high queue of priority list 1?",
        .explanation = u"The syntax is priority-list number protocol name queue, followed by a keyword such as tcp and the port.\r\n"
                       u"Telnet runs over TCP, and queue-list commands build custom queues, not the queues of a priority list.",
        .question_type = multi_answer,
        .choices = {{0, u"priority-list 1 protocol ip high udp 23"},
                    {0, u"queue-list 1 protocol ip 1 tcp 23"},
                    {0, u"priority-group 1 protocol ip high tcp 23"},
                    {1, u"priority-list 1 protocol ip high tcp 23"},
                    {0, u"priority-list 1 interface ip high tcp 23"}},
    },
    {   // 195
        .question_text = u"With custom queuing, which queue does the router reserve for system traffic such as keepalives and empty before the user queues?",
        .question_type = multi_answer,
        .choices = {{1, u"queue 0"}, {0, u"queue 1"}, {0, u"queue 8"}, {0, u"queue 10"}, {0, u"queue 15"}, {0, u"queue 16"}},
    },
    {   // 196
        .question_text = u"What is the default byte count that custom queuing takes from each queue in one round?",
        .question_type = multi_answer,
        .choices = {{0, u"1000 bytes"}, {0, u"64 bytes"}, {1, u"1500 bytes"}},
    },
    {   // 197
        .question_text = u"Under router ospf 1 the router has the command below. What does it do?\r\n"
                         u"  redistribute eigrp 100 subnets",
        .explanation = u"The command takes the routes of EIGRP AS 100 and injects them into OSPF process 1.\r\n"
                       u"The subnets keyword makes OSPF take subnetted routes too; without it only classful networks are taken.\r\n"
                       u"With no metric-type given, the routes enter OSPF as external type 2 routes with a cost of 20.\r\n"
                       u"Nothing is injected into EIGRP: that would need a redistribute ospf command under router eigrp 100.",
        .question_type = multi_answer,
        .choices = {{0, u"It injects only the classful networks learned from EIGRP AS 100 into OSPF"},
                    {0, u"It injects the routes of OSPF process 1 into EIGRP AS 100"},
                    {1, u"It injects EIGRP AS 100 routes, subnetted ones included, into OSPF as external type 2 routes"},
                    {0, u"It injects EIGRP AS 100 routes into OSPF as inter-area routes"}},
    },
    {   // 198
        .question_text = u"When no metric is configured, which metric does OSPF give to the routes it redistributes from RIP?",
        .explanation = u"Unless told otherwise, OSPF gives redistributed routes (except those from BGP, which get 1) a cost of 20 and type E2.",
        .question_type = multi_answer,
        .choices = {{0, u"cost 1"}, {1, u"cost 20"}, {0, u"cost 64"}, {0, u"cost 110"}},
    },
    {   // 199
        .question_text = u"When no metric-type is configured, which external route type does OSPF give to the routes it redistributes?",
        .explanation = u"Unless told otherwise, OSPF gives redistributed routes (except those from BGP, which get 1) a cost of 20 and type E2.",
        .question_type = multi_answer,
        .choices = {{0, u"E1"}, {0, u"IA"}, {0, u"N1"}, {1, u"E2"}},
    },
    {   // 200
        .question_text = u"Between which two routing protocols does the router redistribute automatically when both run with the same autonomous system number?",
        .question_type = multi_answer,
        .choices = {{0, u"RIP and IGRP"}, {0, u"OSPF and EIGRP"}, {1, u"IGRP and EIGRP"}, {0, u"RIP and OSPF"}},
    },
    {   // 201
        .question_text = u"Type the router configuration command that sets a seed metric of 5 hops for all routes redistributed into RIP.",
        .explanation = u"default-metric gives every redistributed route the same seed metric unless a redistribute command sets its own.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"default-metric 5"}},
    },
    {   // 202
        .question_text = u"Under router rip the router has the command below and no default-metric command. What happens to the OSPF routes?\r\n"
                         u"  redistribute ospf 1",
        .explanation = u"RIP's default seed metric for routes redistributed from another routing protocol is infinity (16 hops).\r\n"
                       u"Such routes are useless to RIP neighbours until a metric is set with default-metric or the metric keyword.",
        .question_type = multi_answer,
        .choices = {{0, u"They are advertised with a hop count of 1"},
                    {0, u"They keep their OSPF cost as their hop count"},
                    {0, u"They are advertised with a hop count of 15"},
                    {1, u"They get the infinite metric of 16 and are of no use to RIP neighbours"}},
    },
    {   // 203
        .question_text = u"Under router rip, which command lets only the networks permitted by access list 10 be redistributed from EIGRP AS 100 into RIP?",
        .question_type = multi_answer,
        .choices = {{0, u"distribute-list 10 in eigrp 100"},
                    {1, u"distribute-list 10 out eigrp 100"},
                    {0, u"access-group 10 out eigrp 100"},
                    {0, u"redistribute-list 10 eigrp 100"}},
    },
    {   // 204
        .question_text = u"Which value does the router use to choose between routes to the same network learned from two different routing protocols?",
        .question_type = multi_answer,
        .choices = {{0, u"metric"}, {0, u"hop count"}, {1, u"administrative distance"}},
    },
    {   // 205
        .question_text = u"Under router eigrp 100, which command redistributes RIP routes with bandwidth 1544 kbps, delay 2000 (tens of microseconds), reliability 255, load 1 and MTU 1500?",
        .question_type = multi_answer,
        .choices = {{0, u"redistribute rip metric 2000 1544 255 1 1500"},
                    {0, u"redistribute rip metric 1544 2000 1 255 1500"},
                    {1, u"redistribute rip metric 1544 2000 255 1 1500"},
                    {0, u"redistribute rip metric 1500 1544 2000 255 1"},
                    {0, u"redistribute eigrp 100 metric 1544 2000 255 1 1500"},
                    {0, u"default-metric rip 1544 2000 255 1 1500"}},
    },
    {   // 206
        .question_text = u"Type the global configuration command that defines bridge group 1 and makes it run the IEEE 802.1D spanning-tree protocol.",
        .explanation = u"bridge 1 protocol ieee creates bridge group 1 with the IEEE spanning tree; interfaces then join it with bridge-group 1.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"bridge 1 protocol ieee"}},
    },
    {   // 207
        .question_text = u"Type the interface configuration command that places the interface in bridge group 1.",
        .explanation = u"bridge-group 1 makes the interface a port of bridge group 1.\r\n"
                       u"Frames that the router does not route are then bridged between all the ports of that group.\r\n"
                       u"The group itself and its spanning-tree protocol are defined in global mode with the bridge command.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"bridge-group 1"}},
    },
    {   // 208
        .question_text = u"Which two statements about transparent bridging on the router are true?",
        .explanation = u"A transparent bridge learns where stations are from the source MAC addresses of the frames it receives.\r\n"
                       u"Frames for unknown destinations are flooded out every other port; end stations need no knowledge of the bridge.",
        .question_type = multi_answer,
        .choices = {{0, u"End stations must be configured with the address of the bridge"},
                    {1, u"The bridge learns station locations from the source MAC addresses of frames"},
                    {0, u"The bridge forwards frames by their destination network-layer address"},
                    {1, u"Frames for unknown destinations are flooded out all other ports of the bridge group"}},
    },
    {   // 209
        .question_text = u"Which global configuration command sets the spanning-tree bridge priority of bridge group 1 to 100?",
        .question_type = multi_answer,
        .choices = {{0, u"bridge-group 1 priority 100"},
                    {0, u"spanning-tree priority 100"},
                    {0, u"bridge priority 1 100"},
                    {1, u"bridge 1 priority 100"},
                    {0, u"bridge 1 protocol priority 100"},
                    {0, u"bridge-group 1 spanning priority 100"}},
    },
    {   // 210
        .question_text = u"In the classic IEEE 802.1D spanning tree (not the rapid variant), which two port states does a port pass through on its way from blocking to forwarding?",
        .explanation = u"An 802.1D port moves from blocking to listening to learning to forwarding; listening and learning each last the forward delay.\r\n"
                       u"In learning the port fills the MAC address table from source addresses but forwards no data; only forwarding passes frames. Discarding is a state of the later rapid spanning tree, not of this one.",
        .question_type = multi_answer,
        .choices = {{0, u"disabled"}, {1, u"listening"}, {0, u"flooding"}, {1, u"learning"}, {0, u"standby"}},
    },
    {   // 211
        .question_text = u"In which IEEE 802.1D port state does a port add source MAC addresses to the bridge table but still forward no data frames?",
        .explanation = u"An 802.1D port moves from blocking to listening to learning to forwarding; listening and learning each last the forward delay.\r\n"
                       u"In learning the port fills the MAC address table from source addresses but forwards no data; only forwarding passes frames. Discarding is a state of the later rapid spanning tree, not of this one.",
        .question_type = multi_answer,
        .choices = {{0, u"blocking"}, {0, u"listening"}, {0, u"forwarding"}, {1, u"learning"}, {0, u"disabled"}, {0, u"discarding"}},
    },
    {   // 212
        .question_text = u"Which bridge becomes the root bridge of a spanning tree?",
        .explanation = u"The bridge ID is the bridge priority followed by a MAC address, and the lowest ID wins the root election.\r\n"
                       u"With equal priorities the bridge with the lowest MAC address becomes the root.",
        .question_type = multi_answer,
        .choices = {{0, u"The bridge with the highest bridge ID"},
                    {1, u"The bridge with the lowest bridge ID"},
                    {0, u"The bridge with the most active ports"}},
    },
    {   // 213
        .question_text = u"What is BGP?",
        .question_type = multi_answer,
        .choices = {{1, u"An exterior gateway protocol used between autonomous systems"},
                    {1, u"A path-vector routing protocol"},
                    {0, u"A link-state protocol that floods LSAs within an area"},
                    {1, u"A protocol that carries its messages over TCP port 179"},
                    {1, u"A protocol that lists the AS path of each route to prevent loops"}},
    },
    {   // 214
        .question_text = u"Which three BGP path attributes are well-known mandatory?",
        .explanation = u"ORIGIN, AS_PATH and NEXT_HOP must be recognised by every BGP speaker and appear in every UPDATE that carries routes.\r\n"
                       u"MULTI_EXIT_DISC is an optional non-transitive attribute.",
        .question_type = multi_answer,
        .choices = {{1, u"AS_PATH"}, {0, u"MULTI_EXIT_DISC"}, {1, u"NEXT_HOP"}, {1, u"ORIGIN"}},
    },
    {   // 215
        .question_text = u"Which three of these are BGP-4 message types?",
        .explanation = u"BGP-4 defines four messages: OPEN, UPDATE, NOTIFICATION and KEEPALIVE.\r\n"
                       u"HELLO belongs to OSPF and EIGRP, and QUERY to EIGRP; BGP relies on TCP and keepalives instead.",
        .question_type = multi_answer,
        .choices = {{1, u"OPEN"}, {0, u"HELLO"}, {1, u"UPDATE"}, {0, u"QUERY"}, {1, u"NOTIFICATION"}},
    },
    {   // 216
        .question_text = u"In which BGP neighbour state can the two routers exchange UPDATE messages?",
        .question_type = multi_answer,
        .choices = {{0, u"Idle"}, {0, u"Connect"}, {0, u"Active"}, {0, u"OpenSent"}, {0, u"OpenConfirm"}, {1, u"Established"}},
    },
    {   // 217
        .question_text = u"In which three BGP neighbour states is there not yet a TCP connection to the neighbour?",
        .explanation = u"In Idle the router is not trying to connect, in Connect it waits for its TCP connection to complete, and in Active it retries it.\r\n"
                       u"Only once TCP is up does the router send OPEN and move to OpenSent, then OpenConfirm and Established.",
        .question_type = multi_answer,
        .choices = {{1, u"Idle"}, {1, u"Connect"}, {1, u"Active"}, {0, u"OpenSent"}, {0, u"OpenConfirm"}, {0, u"Established"}},
    },
    {   // 218
        .question_text = u"In which two BGP neighbour states has the router already sent its OPEN message while the session is not yet established?",
        .explanation = u"In OpenSent the router waits for the neighbour's OPEN; in OpenConfirm it has that OPEN and waits for a KEEPALIVE.",
        .question_type = multi_answer,
        .choices = {{0, u"Idle"}, {0, u"Connect"}, {0, u"Active"}, {1, u"OpenSent"}, {1, u"OpenConfirm"}, {0, u"Established"}},
    },
    {   // 219
        .question_text = u"Under router bgp 65001, which command defines 192.168.1.2 in AS 65002 as a BGP neighbour?",
        .explanation = u"neighbor address remote-as AS names the peer by its IP address and gives the AS it belongs to.\r\n"
                       u"Because 65002 differs from the router's own AS 65001, the session is external BGP.\r\n"
                       u"Giving remote-as 65001 would make the peer internal, and the network command only announces prefixes.",
        .question_type = multi_answer,
        .choices = {{0, u"neighbor 192.168.1.2 remote-as 65001"},
                    {0, u"neighbor 65002 remote-as 192.168.1.2"},
                    {1, u"neighbor 192.168.1.2 remote-as 65002"},
                    {0, u"network 192.168.1.2 remote-as 65002"}},
    },
    {   // 220
        .question_text = u"What is the default administrative distance of routes learned from external BGP neighbours?",
        .question_type = multi_answer,
        .choices = {{0, u"90"}, {0, u"110"}, {0, u"120"}, {0, u"170"}, {0, u"200"}, {1, u"20"}},
    },
    {   // 221
        .question_text = u"The router has the configuration below. Which kind of BGP session is it configured to form with each neighbour?\r\n"
                         u"router bgp 65001\r\n"
                         u" network 10.0.0.0\r\n"
                         u" neighbor 172.16.1.2 remote-as 65001\r\n"
                         u" neighbor 192.168.9.1 remote-as 65010",
        .explanation = u"A neighbour whose remote-as equals the router\u2019s own AS (65001) is an internal peer: 172.16.1.2 forms an IBGP session.\r\n"
                       u"A neighbour in a different AS (65010) is an external peer: 192.168.9.1 forms an EBGP session.\r\n"
                       u"The network command only chooses which prefix to announce; it does not change the session types.",
        .question_type = multi_answer,
        .choices = {{0, u"EBGP sessions with both neighbours"},
                    {1, u"An IBGP session with 172.16.1.2 and an EBGP session with 192.168.9.1"},
                    {0, u"IBGP sessions with both neighbours"},
                    {0, u"An EBGP session with 172.16.1.2 and an IBGP session with 192.168.9.1"}},
    },
    {   // 222
        .question_text = u"Which command lists each BGP neighbour of the router on one line, with its AS, uptime and state or number of prefixes received?",
        .explanation = u"show ip bgp summary gives one line per neighbour; show ip bgp neighbors prints a long detailed block for each.",
        .question_type = multi_answer,
        .choices = {{0, u"show ip bgp neighbors"}, {0, u"show ip route bgp"}, {0, u"show ip protocols"}, {1, u"show ip bgp summary"}},
    },
    {   // 223
        .question_text = u"Serial0 of the router has the configuration below. What does the number 102 in the last line identify?\r\n"
                         u"interface Serial0\r\n"
                         u" encapsulation frame-relay\r\n"
                         u" frame-relay map ip 10.1.1.2 102 broadcast",
        .explanation = u"frame-relay map ip maps the next-hop address 10.1.1.2 to the local DLCI 102 of the PVC that leads to it.",
        .question_type = multi_answer,
        .choices = {{0, u"the DLCI assigned at the far-end router"},
                    {0, u"the LMI type"},
                    {0, u"the subinterface number"},
                    {0, u"the committed information rate in kbps"},
                    {1, u"the local DLCI of the PVC that reaches 10.1.1.2"},
                    {0, u"the access list that selects broadcasts"}},
    },
    {   // 224
        .question_text = u"Which frame relay header bit does a congested switch set in frames travelling back towards the sender, so that the sender slows down?",
        .explanation = u"BECN is set in frames going the opposite way to the congested traffic; FECN travels with it towards the receiver.",
        .question_type = multi_answer,
        .choices = {{0, u"DLCI"}, {0, u"CIR"}, {0, u"FECN"}, {1, u"BECN"}},
    },
    {   // 225
        .question_text = u"What is the name of the number that identifies a frame relay virtual circuit on the local access link?",
        .explanation = u"The data link connection identifier (DLCI) names a virtual circuit and is only significant on the local link.",
        .question_type = multi_answer,
        .choices = {{1, u"DLCI"}, {0, u"CIR"}, {0, u"FECN"}, {0, u"BECN"}},
    },
    {   // 226
        .question_text = u"Type the interface configuration command that sets frame relay encapsulation with the IETF (RFC 1490) frame format.",
        .explanation = u"The ietf keyword is needed to interoperate with equipment that uses the standard RFC 1490 encapsulation.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"encapsulation frame-relay ietf"}},
    },
    {   // 227
        .question_text = u"Type the interface configuration command that sets the frame relay LMI type to ANSI T1.617 Annex D.",
        .explanation = u"frame-relay lmi-type ansi selects Annex D LMI; q933a selects the ITU-T Q.933 Annex A variant.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"frame-relay lmi-type ansi"}},
    },
    {   // 228
        .question_text = u"Serial0 uses frame relay encapsulation and has the subinterface below. Which two statements are true?\r\n"
                         u"interface Serial0.1 point-to-point\r\n"
                         u" frame-relay interface-dlci 110",
        .explanation = u"A point-to-point subinterface has a single PVC, so it needs no map commands, and DLCIs are only locally significant.",
        .question_type = multi_answer,
        .choices = {{0, u"The far-end router must use DLCI 110 as well"},
                    {1, u"The subinterface sends all its traffic over DLCI 110"},
                    {0, u"The subinterface can hold PVCs to several remote sites"},
                    {1, u"No frame-relay map command is needed to reach the far end"}},
    },
};

} // namespace examdeck
// clang-format on
