// Questions 1 to 60: OSPF, ISDN BRI, route summarisation in OSPF, EIGRP and IGRP.
#include "bank_entry.h"

// The questions keep one literal for each line of their texts.
// clang-format off
namespace examdeck {

const bank_entry questions_001_060[60] = {
    {   // 1
        .question_text = u"Which global configuration command starts OSPF routing process 1 on the router?",
        .question_type = multi_answer,
        .choices = {{0, u"ospf router 1"}, {0, u"router ospf"}, {0, u"ip ospf 1"}, {1, u"router ospf 1"},
                    {0, u"enable ospf 1"}, {0, u"router ospf area 1"}},
    },
    {   // 2
        .question_text = u"What OSPF cost does the router give a 10 Mbps Ethernet interface by default?",
        .explanation = u"The cost is 100,000,000 divided by the interface\u2019s bandwidth in bps: 10^8 / 10^7 = 10.",
        .question_type = multi_answer,
        .choices = {{0, u"1"}, {1, u"10"}, {0, u"64"}, {0, u"100"}},
    },
    {   // 3
        .question_text = u"An OSPF router in area 0 redistributes static routes with the command redistribute static "
                         u"subnets. Which choice describes what it does for those routes?",
        .explanation = u"Redistributed routes enter OSPF as AS external (Type 5) LSAs, and the router that originates "
                       u"them becomes an ASBR.",
        .question_type = multi_answer,
        .choices = {{0, u"Generate Type 1-2"}, {0, u"Generate Type 3-4"}, {1, u"Generate Type 5"},
                    {0, u"Generate 0.0.0.0"}},
    },
    {   // 4
        .question_text = u"An internal router of area 1 that redistributes nothing is the elected DR on an Ethernet "
                         u"segment. Which choice describes the LSAs it originates?",
        .explanation = u"Every OSPF router originates a Type 1 router LSA, and the DR of a multiaccess segment adds a "
                       u"Type 2 network LSA for that segment.\r\n"
                       u"Both stay inside the area; Type 3-4 LSAs come from ABRs and Type 5 from ASBRs, and a "
                       u"default 0.0.0.0 only from an ABR of a stub area or a router told to originate one.",
        .question_type = multi_answer,
        .choices = {{1, u"Generate Type 1-2"}, {0, u"Generate Type 3-4"}, {0, u"Generate Type 5"},
                    {0, u"Generate 0.0.0.0"}},
    },
    {   // 5
        .question_text = u"An OSPF router advertises the networks of area 1 into area 0 and tells area 1 how to reach "
                         u"an ASBR in area 0. Which choice describes what it does?",
        .explanation = u"An area border router originates Type 3 summary LSAs for networks and Type 4 summary LSAs "
                       u"for ASBRs, from one area into another.",
        .question_type = multi_answer,
        .choices = {{0, u"Generate Type 1-2"}, {1, u"Generate Type 3-4"}, {0, u"Generate Type 5"},
                    {0, u"Generate 0.0.0.0"}},
    },
    {   // 6
        .question_text = u"What is the default OSPF hello interval on a broadcast network such as Ethernet?",
        .explanation = u"On broadcast and point-to-point networks OSPF sends hellos every 10 seconds, and the dead "
                       u"interval is four times that, 40 seconds.",
        .question_type = multi_answer,
        .choices = {{0, u"5 seconds"}, {0, u"30 seconds"}, {1, u"10 seconds"}, {0, u"40 seconds"}},
    },
    {   // 7
        .question_text = u"The router has no loopback interface and no OSPF router ID set by hand. From what does OSPF "
                         u"take its router ID?",
        .question_type = multi_answer,
        .choices = {{0, u"The lowest IP address of any active interface"},
                    {0, u"The IP address of the first interface configured"},
                    {1, u"The highest IP address of any active interface"},
                    {0, u"The MAC address of the first Ethernet interface"},
                    {0, u"The OSPF process number"}},
    },
    {   // 8
        .question_text = u"Under router ospf 1, type the command that puts every interface in 10.1.0.0/16 into the "
                         u"backbone, giving the network as 10.1.0.0 with its wildcard mask and the area as the "
                         u"number 0.",
        .explanation = u"The OSPF network command takes an address, a wildcard mask (0.0.255.255 for a /16) and an "
                       u"area ID, decimal (0) or dotted (0.0.0.0); unlike the RIP network command it is not "
                       u"classful, and it sets no cost.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"network 10.1.0.0 0.0.255.255 area 0"}},
    },
    {   // 9
        .question_text = u"Which two statements about the network command under router ospf are true?",
        .explanation = u"The OSPF network command takes an address, a wildcard mask (0.0.255.255 for a /16) and an "
                       u"area ID, decimal (0) or dotted (0.0.0.0); unlike the RIP network command it is not "
                       u"classful, and it sets no cost.",
        .question_type = multi_answer,
        .choices = {{0, u"It sets the OSPF cost of the matching interfaces"},
                    {1, u"It uses a wildcard mask, not a subnet mask"},
                    {0, u"It must name a classful network, as in RIP"},
                    {1, u"The area may be written as a decimal number or in dotted-decimal form"}},
    },
    {   // 10
        .question_text = u"Which interface command sets the OSPF cost of the interface to 50, whatever its bandwidth?",
        .explanation = u"ip ospf cost 50 fixes the cost of the interface regardless of its bandwidth.\r\n"
                       u"The bandwidth command changes the cost only indirectly (10^8 / bandwidth in bps): "
                       u"bandwidth 50 means 50 kbps, a cost of 2000.",
        .question_type = multi_answer,
        .choices = {{0, u"ospf cost 50"}, {0, u"bandwidth 50"}, {0, u"ip ospf metric 50"}, {1, u"ip ospf cost 50"}},
    },
    {   // 11
        .question_text = u"In which OSPF neighbour state have two routers fully synchronised their link-state "
                       u"databases?",
        .explanation = u"Full follows ExStart, Exchange and Loading, once the databases match; 2-Way only means "
                       u"each router has seen the other in hellos.",
        .question_type = multi_answer,
        .choices = {{0, u"2-Way"}, {0, u"ExStart"}, {1, u"Full"}, {0, u"Loading"}},
    },
    {   // 12
        .question_text = u"Refer to the diagram and the exhibit. Which two devices meet at the U reference point?",
        .question_type = multi_answer,
        .choices = {{0, u"TA"}, {1, u"NT1"}, {0, u"NT2 (PBX)"}, {1, u"ISDN switch (LE)"}, {0, u"Router A (TE1)"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 13
        .question_text = u"Refer to the diagram and the exhibit. Why does Router B need the TA?",
        .explanation = u"Serial0 is not an ISDN interface, which makes Router B a TE2, and a TE2 reaches ISDN only "
                       u"through a terminal adapter, which it meets at the R reference point; the NT1 turns the "
                       u"U line into the S/T bus, the NT2 switches local calls, and the switch type is set on the "
                       u"router.",
        .question_type = multi_answer,
        .choices = {{0, u"The TA turns the two-wire U line into the four-wire S/T bus"},
                    {0, u"The TA switches calls between local ISDN devices"},
                    {1, u"Its Serial0 is not an ISDN interface, which makes Router B a TE2"},
                    {0, u"The TA supplies the switch type to the carrier's switch"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 14
        .question_text = u"Refer to the diagram and the exhibit. Which two statements about Router A's BRI are true?",
        .explanation = u"A BRI carries 2B + D: two 64 kbps bearer (B) channels for data or voice and one 16 kbps D "
                       u"channel for signalling.\r\n"
                       u"23 B channels with a 64 kbps D channel describe a North American PRI, not a BRI.",
        .question_type = multi_answer,
        .choices = {{1, u"It has two 64 kbps B channels for data"},
                    {0, u"Its D channel runs at 64 kbps"},
                    {0, u"It has 23 B channels and one D channel"},
                    {1, u"Its 16 kbps D channel carries signalling"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 15
        .question_text = u"Refer to the diagram and the exhibit. Which four commands belong in Router A's "
                         u"configuration for its calls to Router C?",
        .explanation = u"Router A needs switch type basic-ni, its SPIDs, a dialer map to Router C (10.1.1.2, "
                       u"5552000) and dialer-group 1; primary-ni is a PRI switch type, and a dialer map names the "
                       u"far end, not Router A itself.",
        .question_type = multi_answer,
        .choices = {{1, u"isdn switch-type basic-ni"},
                    {0, u"isdn switch-type primary-ni"},
                    {1, u"isdn spid1 51055510000001 5551000"},
                    {0, u"dialer map ip 10.1.1.1 name RouterA 5551000"},
                    {1, u"dialer map ip 10.1.1.2 name RouterC 5552000"},
                    {1, u"dialer-group 1"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 16
        .question_text = u"Refer to the diagram and the exhibit. Type the global configuration command that sets "
                         u"Router A's ISDN switch type.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"isdn switch-type basic-ni"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 17
        .question_text = u"Refer to the diagram and the exhibit. Which global command of Router A defines the "
                         u"interesting traffic that brings up a call?",
        .explanation = u"dialer-list 1 protocol ip permit declares all IP interesting; dialer-group 1 only ties BRI0 "
                       u"to that list, and the dialer map says where to call.",
        .question_type = multi_answer,
        .choices = {{0, u"dialer-group 1"},
                    {1, u"dialer-list 1 protocol ip permit"},
                    {0, u"dialer map ip 10.1.1.2 name RouterC 5552000"},
                    {0, u"ppp authentication chap"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 18
        .question_text = u"Refer to the diagram and the exhibit. At which reference point does Router B's Serial0 "
                         u"connect to the TA?",
        .explanation = u"The R reference point lies between a non-ISDN TE2 device, such as Router B's Serial0, and "
                       u"its terminal adapter.\r\n"
                       u"S lies between the TA and the NT2, T between the NT2 and the NT1, and U between the NT1 "
                       u"and the switch.",
        .question_type = multi_answer,
        .choices = {{0, u"S"}, {0, u"U"}, {1, u"R"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 19
        .question_text = u"Type the interface command that sets the OSPF priority of the interface to 0, so that the "
                         u"router never becomes DR or BDR on that segment.",
        .explanation = u"ip ospf priority takes 0 to 255 (default 1); the highest priority wins the election.\r\n"
                       u"A router with priority 0 on a segment never becomes DR or BDR there.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip ospf priority 0"}},
    },
    {   // 20
        .question_text = u"Which OSPF area type lets an ASBR inside the area bring in external routes as Type 7 "
                         u"LSAs?",
        .explanation = u"In an NSSA an ASBR imports external routes as Type 7 LSAs, which the ABR translates into "
                       u"Type 5 for the other areas; stub and totally stubby areas allow no ASBR.",
        .question_type = multi_answer,
        .choices = {{0, u"stub area"}, {0, u"totally stubby area"}, {1, u"not-so-stubby area (NSSA)"},
                    {0, u"backbone area (area 0)"}},
    },
    {   // 21
        .question_text = u"In which two OSPF area types does the ABR inject a default route automatically in place "
                         u"of the external routes?",
        .explanation = u"In stub and totally stubby areas the ABR replaces the blocked external routes with a default "
                       u"route 0.0.0.0 (a Type 3 summary LSA).\r\n"
                       u"An NSSA gets a default only if the ABR is told to send one "
                       u"(area <area> nssa default-information-originate), and area 0 never gets one automatically.",
        .question_type = multi_answer,
        .choices = {{1, u"stub area"}, {1, u"totally stubby area"}, {0, u"not-so-stubby area (NSSA)"},
                    {0, u"backbone area (area 0)"}},
    },
    {   // 22
        .question_text = u"Under router ospf 1, type the command that makes area 1 a stub area, with the area ID "
                         u"written as the number 1.",
        .explanation = u"area 1 stub must be entered on every router in area 1, because the stub flag in the hellos "
                       u"must match for routers to become neighbours.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"area 1 stub"}},
    },
    {   // 23
        .question_text = u"Which area must every other OSPF area connect to, directly or through a virtual link?",
        .explanation = u"All inter-area traffic passes through the backbone, area 0, so every other area must touch "
                       u"it, physically or through a virtual link.",
        .question_type = multi_answer,
        .choices = {{0, u"The area of the ASBR"}, {1, u"Area 0, the backbone"}, {0, u"The area with the most routers"}},
    },
    {   // 24
        .question_text = u"Refer to the diagram. Which three statements about the OSPF routers on 10.5.5.0/24 are "
                         u"true?",
        .explanation = u"As DROTHERs, RC and RD send updates to 224.0.0.6, heard by the DR and the BDR; RA floods "
                       u"them on to 224.0.0.5, and priority 0 keeps RD out of every DR and BDR election.",
        .question_type = multi_answer,
        .choices = {{1, u"RC sends its link-state updates to 224.0.0.6"},
                    {0, u"RB ignores packets sent to 224.0.0.6"},
                    {1, u"RA floods updates to all OSPF routers on 224.0.0.5"},
                    {0, u"RC and RD form a full adjacency with each other"},
                    {1, u"RD can never become DR or BDR on this segment"},
                    {0, u"The routers send their hellos to 224.0.0.6"}},
        .diagram_file = u"ospf-multicast.gif",
    },
    {   // 25
        .question_text = u"Refer to the diagram. Type the interface command that gives RB, on its Ethernet interface, "
                         u"the OSPF priority shown in the diagram.",
        .explanation = u"The OSPF priority is set per interface with ip ospf priority (0 to 255, default 1); RB's 50 "
                       u"is second only to RA's 100, so RB is the BDR.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip ospf priority 50"}},
        .diagram_file = u"ospf-multicast.gif",
    },
    {   // 26
        .question_text = u"Which command lists the OSPF neighbours of the router with their states?",
        .explanation = u"show ip ospf neighbor lists each neighbour with its router ID, priority, state (such as "
                       u"FULL/DR) and dead timer.",
        .question_type = multi_answer,
        .choices = {{0, u"show ip ospf interface"}, {0, u"show ip ospf database"}, {1, u"show ip ospf neighbor"},
                    {0, u"show ip route ospf"}},
    },
    {   // 27
        .question_text = u"Which algorithm does OSPF run over its link-state database to build its shortest-path "
                         u"tree?",
        .question_type = multi_answer,
        .choices = {{0, u"The Bellman-Ford algorithm"}, {0, u"The diffusing update algorithm (DUAL)"},
                    {0, u"Split horizon with poison reverse"}, {1, u"Dijkstra's shortest path first algorithm"}},
    },
    {   // 28
        .question_text = u"Under router ospf 1, type the command that builds a virtual link across transit area 1 "
                         u"(written as the number 1) to the router whose OSPF router ID is 10.0.0.2.",
        .explanation = u"A virtual link joins an area that does not touch area 0 to the backbone through a transit "
                       u"area.\r\n"
                       u"The syntax is area <transit area> virtual-link <router ID>: the area named is the transit "
                       u"area, and the address is the far end's OSPF router ID, not an interface address.\r\n"
                       u"The virtual link itself belongs to area 0, must be set up on both ends, and cannot cross a "
                       u"stub area.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"area 1 virtual-link 10.0.0.2"}},
    },
    {   // 29
        .question_text = u"What does the area command do in this configuration of router R2?\r\n"
                         u"router ospf 1\r\n"
                         u" area 2 virtual-link 3.3.3.3",
        .explanation = u"A virtual link joins an area that does not touch area 0 to the backbone through a transit "
                       u"area.\r\n"
                       u"The syntax is area <transit area> virtual-link <router ID>: the area named is the transit "
                       u"area, and the address is the far end's OSPF router ID, not an interface address.\r\n"
                       u"The virtual link itself belongs to area 0, must be set up on both ends, and cannot cross a "
                       u"stub area.",
        .question_type = multi_answer,
        .choices = {{0, u"It makes area 2 a stub area reached through 3.3.3.3"},
                    {0, u"It sets 3.3.3.3 as the router ID of R2 in area 2"},
                    {1, u"It builds a virtual link across area 2 to the router with router ID 3.3.3.3"},
                    {0, u"It adds the network 3.3.3.3 to area 2"},
                    {0, u"It creates a virtual link that becomes part of area 2"}},
    },
    {   // 30
        .question_text = u"Which IP protocol number carries OSPF packets?",
        .question_type = multi_answer,
        .choices = {{0, u"6"}, {0, u"17"}, {0, u"88"}, {1, u"89"}},
    },
    {   // 31
        .question_text = u"What is the default administrative distance of OSPF routes on the router? Type the number "
                         u"only.",
        .explanation = u"OSPF routes have an administrative distance of 110, whether intra-area, inter-area or "
                       u"external.\r\n"
                       u"So the router prefers EIGRP internal (90) or IGRP (100) routes to the same prefix, but "
                       u"prefers OSPF to RIP (120).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"110"}},
    },
    {   // 32
        .question_text = u"On which OSPF network type must the neighbours be configured by hand with the neighbor "
                         u"command?",
        .explanation = u"On a non-broadcast multiaccess network OSPF cannot send multicast hellos, so each neighbour "
                       u"is named with the neighbor command under router ospf.",
        .question_type = multi_answer,
        .choices = {{0, u"Broadcast, such as Ethernet"}, {0, u"Point-to-point, such as a serial line with HDLC"},
                    {0, u"Point-to-multipoint"}, {1, u"Non-broadcast multiaccess, such as frame relay"}},
    },
    {   // 33
        .question_text = u"Which two values must match for two OSPF routers on one segment to become neighbours?",
        .explanation = u"Hello packets carry the area ID, the hello and dead intervals, the stub flag and the "
                       u"authentication data, and any mismatch stops the adjacency.\r\n"
                       u"The process ID is local to each router, and each router\u2019s ID must be unique, not "
                       u"equal.",
        .question_type = multi_answer,
        .choices = {{0, u"The OSPF router ID"}, {1, u"The hello and dead intervals"}, {0, u"The OSPF process ID"},
                    {1, u"The area ID"}},
    },
    {   // 34
        .question_text = u"How often does OSPF re-flood each LSA it originates when nothing has changed?",
        .explanation = u"Every LSA is refreshed after 30 minutes so that it never reaches its maximum age of 60 "
                       u"minutes; changes are flooded at once.",
        .question_type = multi_answer,
        .choices = {{0, u"Every 10 seconds"}, {0, u"Every 30 seconds"}, {0, u"Every 90 seconds"},
                    {1, u"Every 30 minutes"}, {0, u"Every 60 minutes"}, {0, u"Never; only when a link changes"}},
    },
    {   // 35
        .question_text = u"Which four are advantages of OSPF over RIP version 1?",
        .question_type = multi_answer,
        .choices = {{1, u"It supports VLSM"},
                    {0, u"It needs less memory and CPU"},
                    {1, u"It converges faster after a change"},
                    {1, u"It has no 15-hop limit"},
                    {0, u"It is simpler to configure"},
                    {1, u"It floods link-state changes as they happen instead of sending its whole table every 30 seconds"}},
    },
    {   // 36
        .question_text = u"Refer to the exhibit. Under router ospf 10 on R2, type the command that advertises the "
                         u"eight area 1 subnets into area 0 as one summary (area as the number 1, mask in dotted "
                         u"decimal).",
        .explanation = u"The eight subnets share the first 16 bits and 5 more bits of the third octet, a /21: the "
                       u"ABR summarises them with area 1 range 172.16.32.0 255.255.248.0.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"area 1 range 172.16.32.0 255.255.248.0"}},
        .exhibit_file = u"ip-summary.txt",
    },
    {   // 37
        .question_text = u"Which three are features of EIGRP?",
        .question_type = multi_answer,
        .choices = {{1, u"DUAL, with feasible successors for loop-free fast convergence"},
                    {0, u"A maximum hop count of 15"},
                    {1, u"Partial, bounded updates"},
                    {1, u"Routing for IP, IPX and AppleTalk"}},
    },
    {   // 38
        .question_text = u"Type the global configuration command that starts EIGRP for autonomous system 100.",
        .explanation = u"router eigrp 100 starts the process; routers exchange EIGRP routes only if their AS numbers "
                       u"match.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"router eigrp 100"}},
    },
    {   // 39
        .question_text = u"To which multicast address does EIGRP send its hello packets?",
        .explanation = u"EIGRP uses 224.0.0.10; 224.0.0.5 belongs to OSPF and 224.0.0.9 to RIP version 2.",
        .question_type = multi_answer,
        .choices = {{0, u"224.0.0.5"}, {0, u"224.0.0.9"}, {1, u"224.0.0.10"}, {0, u"255.255.255.255"}},
    },
    {   // 40
        .question_text = u"Which EIGRP and IGRP metric component is added up over every link of the path?",
        .question_type = multi_answer,
        .choices = {{0, u"Bandwidth"}, {1, u"Delay"}, {0, u"Reliability"}, {0, u"Load"}, {0, u"MTU"}},
    },
    {   // 41
        .question_text = u"Which two metric components do EIGRP and IGRP use with the default K values?",
        .explanation = u"By default K1 = K3 = 1 and K2 = K4 = K5 = 0, so only bandwidth and delay count.\r\n"
                       u"Bandwidth is the lowest along the path and delay the sum of the delays.\r\n"
                       u"Load counts only if K2 is set above 0, reliability only if K5 is, and MTU never does.",
        .question_type = multi_answer,
        .choices = {{1, u"Bandwidth"}, {1, u"Delay"}, {0, u"Reliability"}, {0, u"Load"}, {0, u"MTU"}},
    },
    {   // 42
        .question_text = u"Which component is carried in EIGRP and IGRP updates but never used in the metric, "
                       u"whatever the K values?",
        .explanation = u"The smallest MTU along the path travels in the updates, but the metric formula has no term "
                       u"for it.\r\n"
                       u"Load is used once K2 is set above 0, and reliability once K5 is.",
        .question_type = multi_answer,
        .choices = {{0, u"Bandwidth"}, {0, u"Delay"}, {0, u"Reliability"}, {0, u"Load"}, {1, u"MTU"}},
    },
    {   // 43
        .question_text = u"What is the default administrative distance of internal EIGRP routes?",
        .explanation = u"Internal EIGRP routes have a distance of 90; IGRP has 100 and external EIGRP routes 170.",
        .question_type = multi_answer,
        .choices = {{0, u"170"}, {1, u"90"}, {0, u"100"}},
    },
    {   // 44
        .question_text = u"Type the interface command that turns off split horizon for EIGRP autonomous system 100 "
                         u"on a frame relay hub interface.",
        .explanation = u"EIGRP split horizon is set per interface and per AS with ip split-horizon eigrp <AS>; the no "
                       u"form turns it off.\r\n"
                       u"A hub needs this to pass routes learned from one spoke on to the others through the same "
                       u"multipoint interface.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"no ip split-horizon eigrp 100"}},
    },
    {   // 45
        .question_text = u"With the default K values, what is the EIGRP metric of a route whose slowest link runs at "
                         u"1544 kbps and whose total delay is 21000 microseconds? Type the number only.",
        .explanation = u"With the default K values the metric is 256 x (10^7 / lowest bandwidth in kbps + total "
                       u"delay in tens of microseconds).\r\n"
                       u"Bandwidth term: 10000000 / 1544 = 6476 (the fraction is dropped).\r\n"
                       u"Delay term: 21000 microseconds / 10 = 2100.\r\n"
                       u"Metric: 256 x (6476 + 2100) = 256 x 8576 = 2195456.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"2195456"}},
    },
    {   // 46
        .question_text = u"Type the interface command that sets the EIGRP hello interval for autonomous system 100 "
                         u"to 10 seconds.",
        .explanation = u"EIGRP timers and bandwidth share are set per interface and per AS: ip hello-interval eigrp, "
                       u"ip hold-time eigrp and ip bandwidth-percent eigrp, each followed by the AS and a value.\r\n"
                       u"Changing the hello interval leaves the hold time alone, so raise the hold time as well "
                       u"(usually to three times the hello interval).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip hello-interval eigrp 100 10"}},
    },
    {   // 47
        .question_text = u"Type the interface command that sets the EIGRP hold time for autonomous system 100 to 30 "
                         u"seconds.",
        .explanation = u"EIGRP timers and bandwidth share are set per interface and per AS: ip hello-interval eigrp, "
                       u"ip hold-time eigrp and ip bandwidth-percent eigrp, each followed by the AS and a value.\r\n"
                       u"Changing the hello interval leaves the hold time alone, so raise the hold time as well "
                       u"(usually to three times the hello interval).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip hold-time eigrp 100 30"}},
    },
    {   // 48
        .question_text = u"Type the interface command that lets EIGRP for autonomous system 100 use up to 75 percent "
                         u"of the interface bandwidth.",
        .explanation = u"EIGRP timers and bandwidth share are set per interface and per AS: ip hello-interval eigrp, "
                       u"ip hold-time eigrp and ip bandwidth-percent eigrp, each followed by the AS and a value.\r\n"
                       u"Changing the hello interval leaves the hold time alone, so raise the hold time as well "
                       u"(usually to three times the hello interval).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ip bandwidth-percent eigrp 100 75"}},
    },
    {   // 49
        .question_text = u"Under router eigrp 100, type the command that enables EIGRP on the interfaces in the "
                         u"classful network 172.16.0.0, giving the network number alone with no wildcard mask.",
        .explanation = u"The EIGRP network command takes a major (classful) network number, here 172.16.0.0, and "
                       u"EIGRP then runs on every interface in it; a subnet typed there is stored as its classful "
                       u"network.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"network 172.16.0.0"}},
    },
    {   // 50
        .question_text = u"What is a feasible successor in EIGRP?",
        .question_type = multi_answer,
        .choices = {{0, u"The neighbour with the lowest feasible distance, used for forwarding"},
                    {0, u"Any neighbour that has sent a hello within the hold time"},
                    {1, u"A backup neighbour whose reported distance is below the current feasible distance"},
                    {0, u"A route learned from another autonomous system"}},
    },
    {   // 51
        .question_text = u"Type the EXEC command that shows the EIGRP topology table for IP, with no optional "
                         u"keywords.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"show ip eigrp topology"}},
    },
    {   // 52
        .question_text = u"Type the global configuration command that starts IGRP for autonomous system 200.",
        .explanation = u"router igrp 200 starts IGRP; like EIGRP it needs an AS number, which must match on "
                       u"neighbouring routers.\r\n"
                       u"The network command under it then names the classful networks to run on.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"router igrp 200"}},
    },
    {   // 53
        .question_text = u"Which three statements about IGRP are true?",
        .explanation = u"IGRP is a classful distance-vector protocol that sends full updates every 90 seconds; its "
                       u"hop count defaults to 100 (at most 255), and it has no VLSM.",
        .question_type = multi_answer,
        .choices = {{0, u"It supports VLSM"},
                    {1, u"It is a distance-vector protocol"},
                    {1, u"It sends full routing updates every 90 seconds by default"},
                    {0, u"Its maximum hop count is 15"},
                    {1, u"It is classful and carries no subnet masks"}},
    },
    {   // 54
        .question_text = u"Refer to the diagram and the exhibit. Type the interface command that gives the switch "
                         u"Router A's first SPID with its local number.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"isdn spid1 51055510000001 5551000"}},
        .diagram_file = u"isdn-bri.gif",
        .exhibit_file = u"isdn-bri-explained.txt",
    },
    {   // 55
        .question_text = u"Under router igrp 200, type the command that lets IGRP share traffic over routes whose "
                         u"metric is up to twice the metric of the best route.",
        .explanation = u"variance 2 admits unequal-cost paths whose metric is at most twice the best, for load "
                       u"sharing.\r\n"
                       u"A path is used only if its next router is closer to the destination than this router.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"variance 2"}},
    },
    {   // 56
        .question_text = u"Type the interface command that tells the routing protocols that a serial interface runs "
                         u"at 64 kbps.",
        .explanation = u"bandwidth 64 sets the interface bandwidth in kbps, which EIGRP and IGRP use in their metric "
                       u"and OSPF in its cost.\r\n"
                       u"It changes neither the clocking nor the real speed of the line; a serial interface "
                       u"assumes 1544 kbps unless told.\r\n"
                       u"Without it the protocols choose paths, and EIGRP paces its packets, on a false figure.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"bandwidth 64"}},
    },
    {   // 57
        .question_text = u"Refer to the diagram. Which two routers are OSPF area border routers?",
        .explanation = u"R2 joins area 1 to area 0 and R4 joins area 0 to area 2, so both are ABRs; R3 is an internal "
                       u"backbone router and R5 an ASBR inside area 2.",
        .question_type = multi_answer,
        .choices = {{0, u"R3"}, {1, u"R2"}, {0, u"R5"}, {1, u"R4"}},
        .diagram_file = u"ospf-abr-asbr.gif",
    },
    {   // 58
        .question_text = u"Refer to the diagram. No area is a stub area. Which four routers receive the Type 5 LSAs "
                         u"that R5 originates for the RIP routes?",
        .explanation = u"Type 5 LSAs flood into every area that is not a stub area, so R1, R2, R3 and R4 all receive "
                       u"them; R6 runs only RIP.",
        .question_type = multi_answer,
        .choices = {{0, u"R6"}, {1, u"R1"}, {1, u"R3"}, {0, u"R5"}, {1, u"R2"}, {1, u"R4"}},
        .diagram_file = u"ospf-abr-asbr.gif",
    },
    {   // 59
        .question_text = u"Refer to the diagram. Which router is an autonomous system boundary router, and why?",
        .question_type = multi_answer,
        .choices = {{0, u"R4, because it joins area 0 to area 2"},
                    {0, u"R6, because it runs only RIP"},
                    {0, u"R2, because it joins area 1 to area 0"},
                    {1, u"R5, because it redistributes RIP routes into OSPF"},
                    {0, u"R3, because all its interfaces are in area 0"},
                    {0, u"R1, because it is an internal router of area 1"}},
        .diagram_file = u"ospf-abr-asbr.gif",
    },
    {   // 60
        .question_text = u"Refer to the diagram. Under router ospf 1 on R5, type the command that redistributes RIP "
                         u"into OSPF with the one keyword that also admits subnetted routes, and no other options.",
        .explanation = u"redistribute rip subnets makes R5 an ASBR that injects the RIP routes as Type 5 LSAs.\r\n"
                       u"Without the subnets keyword OSPF takes in only classful networks and drops subnetted "
                       u"routes.\r\n"
                       u"With no metric given, the routes enter with the default metric 20 as external type 2 (E2) "
                       u"routes.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"redistribute rip subnets"}},
        .diagram_file = u"ospf-abr-asbr.gif",
    },
};

} // namespace examdeck
// clang-format on
